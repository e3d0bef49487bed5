# Native build: portable code, builder library and tool, unit tests, benchmarks.
set(TARNWICK_DEPS_DIR "${PROJECT_SOURCE_DIR}/build/deps" CACHE PATH "where the set-up script caches its builds")
find_path(TARNWICK_LZMA_INCLUDE lzma.h REQUIRED)
find_library(TARNWICK_LZMA_LIBRARY lzma REQUIRED)
find_package(GTest REQUIRED)
include(GoogleTest)

tarnwick_add_core_libraries()

add_executable(twk builder/tool/BuilderTool.cpp)
target_link_libraries(twk PRIVATE tarnwick_builder)
tarnwick_warnings(twk)

file(GLOB unit_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE tarnwick_builder GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE
  TARNWICK_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
  TARNWICK_DEPS_DIR="${TARNWICK_DEPS_DIR}")
tarnwick_warnings(unit_tests)
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST)

file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
foreach(bench_source ${bench_sources})
  get_filename_component(bench_name ${bench_source} NAME_WE)
  add_executable(${bench_name} ${bench_source})
  target_link_libraries(${bench_name} PRIVATE tarnwick_builder)
endforeach()
