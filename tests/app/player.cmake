# Tests of the Flash player and the package: the URL mapping, the player page
# and the program under Xvfb against a loopback https site, the Debian package.
find_package(Qt6 REQUIRED COMPONENTS Widgets WebEngineWidgets)
find_package(OpenSSL REQUIRED)
find_library(MODIAN_HTTPLIB_LIBRARY cpp-httplib REQUIRED)

add_executable(player_tests
  player_test_main.cc
  player_url_test.cc
  player_page_test.cc
  player_app_test.cc
  player_program.cc
  player_package_test.cc
  player_view.cc
  player_site.cc
  player_swf_writer.cc)
target_include_directories(player_tests PRIVATE "${PROJECT_SOURCE_DIR}")
target_link_libraries(player_tests PRIVATE
  modian_swf_player Qt6::Widgets Qt6::WebEngineWidgets
  GTest::gtest ${MODIAN_HTTPLIB_LIBRARY} OpenSSL::SSL OpenSSL::Crypto)
target_compile_definitions(player_tests PRIVATE
  MODIAN_PROGRAM_PATH="$<TARGET_FILE:modian>"
  MODIAN_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}"
  MODIAN_BUILD_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(player_tests modian)
# Those that start the program click with the one X pointer: one at a time,
# like the other program tests.
set(program_tests "Sites/AnimationPanelTest.*:PackageTest.TheUnpackedProgramStarts")
gtest_discover_tests(player_tests DISCOVERY_TIMEOUT 30 NO_PRETTY_VALUES
  TEST_FILTER "${program_tests}"
  PROPERTIES TIMEOUT 180 RESOURCE_LOCK x_pointer)
gtest_discover_tests(player_tests DISCOVERY_TIMEOUT 30 NO_PRETTY_VALUES
  TEST_FILTER "-${program_tests}"
  PROPERTIES TIMEOUT 180)
