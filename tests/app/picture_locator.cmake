# The stroke-order picture locator: fixture pages and a loopback site.
add_executable(modian_picture_locator_tests
  picture_locator_test.cc
  recording_toolkit.cc
  ${PROJECT_SOURCE_DIR}/tests/web/raw_http_server.cc
)
target_link_libraries(modian_picture_locator_tests PRIVATE
  modian_app_core GTest::gtest_main)
target_compile_definitions(modian_picture_locator_tests PRIVATE
  MODIAN_PICTURE_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures/picture")
gtest_discover_tests(modian_picture_locator_tests)

# The busy state while the lookup holds the thread.
add_executable(modian_busy_wait_tests busy_wait_test.cc)
target_link_libraries(modian_busy_wait_tests PRIVATE
  modian_app_qt GTest::gtest)
gtest_discover_tests(modian_busy_wait_tests)

# The picture lookup in the real program, under X.
add_executable(modian_picture_window_tests
  picture_e2e_test.cc
  ${PROJECT_SOURCE_DIR}/tests/web/raw_http_server.cc
)
target_include_directories(modian_picture_window_tests PRIVATE
  ${PROJECT_SOURCE_DIR})
target_link_libraries(modian_picture_window_tests PRIVATE GTest::gtest_main)
target_compile_definitions(modian_picture_window_tests PRIVATE
  MODIAN_PROGRAM="$<TARGET_FILE:modian>")
add_dependencies(modian_picture_window_tests modian)
# Each case starts the program on an X display of its own: what one run leaves
# in a shared server (the pointer, its last window) has made the next one's
# clicks go astray.
set(display 201)
foreach(case ShowsThePictureFromTheSiteUnderTheStrip
             OpensThePanelWhenTheSiteIsDown
             ClicksAndKeysWhileWaitingAreDropped)
  add_test(NAME PictureLookupInWindow.${case}
           COMMAND ${CMAKE_COMMAND} -E env MODIAN_XVFB_DISPLAY=:${display}
                   ${PROJECT_SOURCE_DIR}/scripts/with-xvfb
                   $<TARGET_FILE:modian_picture_window_tests>
                   --gtest_filter=PictureLookupInWindow.${case})
  set_tests_properties(PictureLookupInWindow.${case} PROPERTIES TIMEOUT 180)
  math(EXPR display "${display} + 1")
endforeach()
