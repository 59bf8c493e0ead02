# modian_swf_player: the player page and the Ruffle emulator behind the
# "modian-player" URL scheme, with every file compiled in.
find_package(Qt6 REQUIRED COMPONENTS Core Network WebEngineCore)

set(MODIAN_RUFFLE_DIR "${PROJECT_SOURCE_DIR}/node_modules/@ruffle-rs/ruffle")
if(NOT EXISTS "${MODIAN_RUFFLE_DIR}/ruffle.js")
  message(FATAL_ERROR "The Flash emulator is missing from ${MODIAN_RUFFLE_DIR}: run scripts/install-deps")
endif()

file(GLOB MODIAN_RUFFLE_FILES CONFIGURE_DEPENDS
  "${MODIAN_RUFFLE_DIR}/*.js" "${MODIAN_RUFFLE_DIR}/*.wasm")
set(MODIAN_PLAYER_PAGE_FILES
  "${CMAKE_CURRENT_LIST_DIR}/../player/page/play.html"
  "${CMAKE_CURRENT_LIST_DIR}/../player/page/play.css"
  "${CMAKE_CURRENT_LIST_DIR}/../player/page/play.js"
  "${CMAKE_CURRENT_LIST_DIR}/../player/page/local_fetch.js")

set(qrc_entries "")
foreach(file IN LISTS MODIAN_PLAYER_PAGE_FILES)
  get_filename_component(name "${file}" NAME)
  get_filename_component(path "${file}" ABSOLUTE)
  string(APPEND qrc_entries "    <file alias=\"${name}\">${path}</file>\n")
endforeach()
foreach(file IN LISTS MODIAN_RUFFLE_FILES)
  get_filename_component(name "${file}" NAME)
  string(APPEND qrc_entries "    <file alias=\"ruffle/${name}\">${file}</file>\n")
endforeach()
set(player_qrc "${CMAKE_CURRENT_BINARY_DIR}/player.qrc")
file(CONFIGURE OUTPUT "${player_qrc}" CONTENT
  "<RCC>\n  <qresource prefix=\"/modian-player\">\n${qrc_entries}  </qresource>\n</RCC>\n")

# The emulator's WebAssembly is tens of megabytes: rcc writes it straight into
# an object file instead of a C++ array.
qt_add_big_resources(player_resource_objects "${player_qrc}")

add_library(modian_swf_player STATIC
  "${CMAKE_CURRENT_LIST_DIR}/swf_player.cc"
  "${CMAKE_CURRENT_LIST_DIR}/../player/player_files.cc"
  "${CMAKE_CURRENT_LIST_DIR}/../player/swf_fetch.cc"
  ${player_resource_objects})
target_include_directories(modian_swf_player PUBLIC "${PROJECT_SOURCE_DIR}")
target_link_libraries(modian_swf_player PUBLIC Qt6::Core Qt6::Network Qt6::WebEngineCore)
