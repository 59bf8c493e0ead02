# Installs the program like desktop software (the binary, its menu entry and
# icon) and lets CPack build a Debian package of it: cpack -G DEB in a build
# directory, or scripts/package.
include(GNUInstallDirs)

if(TARGET modian)
  install(TARGETS modian RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES "${PROJECT_SOURCE_DIR}/packaging/modian.desktop"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

find_program(MODIAN_CONVERT convert REQUIRED)
find_file(MODIAN_KAI_FONT ukai.ttc
  PATHS /usr/share/fonts/truetype/arphic NO_DEFAULT_PATH REQUIRED)
set(icon_pngs "")
foreach(size IN ITEMS 32 48 64 128 256)
  set(png "${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/modian.png")
  add_custom_command(OUTPUT "${png}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}"
    COMMAND "${PROJECT_SOURCE_DIR}/packaging/render-icon" "${MODIAN_KAI_FONT}" ${size} "${png}"
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/render-icon"
    VERBATIM)
  list(APPEND icon_pngs "${png}")
  install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(modian_icons ALL DEPENDS ${icon_pngs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME modian)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "墨点")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "墨点: how Chinese characters are written")
set(CPACK_PACKAGE_DESCRIPTION
  "Type one Chinese character and see its stroke-order picture, its stroke-order animation (played by the built-in Ruffle Flash emulator) or its dictionary entry.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "墨点 developers <modian@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the binary links, Chromium's helper
# process (libqt6webenginecore6-bin) among them; the Kai face is not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai")
include(CPack)
