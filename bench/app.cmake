# Start-up of the program against a bare Qt window with one web view.
if(MODIAN_BUILD_APP)
  add_executable(modian_bare_window app/bare_window.cc)
  target_link_libraries(modian_bare_window PRIVATE modian_app_qt)

  add_executable(modian_startup_bench app/startup_bench.cc)
  target_link_libraries(modian_startup_bench PRIVATE benchmark::benchmark)
  target_compile_definitions(modian_startup_bench PRIVATE
    MODIAN_PROGRAM="$<TARGET_FILE:modian>"
    MODIAN_BARE_WINDOW="$<TARGET_FILE:modian_bare_window>")
  add_dependencies(modian_startup_bench modian modian_bare_window)
endif()
