# modian_player_bench: the cost of opening an animation in the player.
find_package(Qt6 REQUIRED COMPONENTS Widgets WebEngineWidgets)
find_library(MODIAN_HTTPLIB_LIBRARY cpp-httplib REQUIRED)
find_package(OpenSSL REQUIRED)

add_executable(modian_player_bench
  player_bench.cc
  ${PROJECT_SOURCE_DIR}/tests/app/player_site.cc
  ${PROJECT_SOURCE_DIR}/tests/app/player_swf_writer.cc
  ${PROJECT_SOURCE_DIR}/tests/app/player_view.cc)
target_include_directories(modian_player_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(modian_player_bench PRIVATE
  modian_swf_player Qt6::Widgets Qt6::WebEngineWidgets benchmark::benchmark
  ${MODIAN_HTTPLIB_LIBRARY} OpenSSL::SSL OpenSSL::Crypto)
