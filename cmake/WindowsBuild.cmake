# Cross builds: the runtime, a static GUI program. The 32-bit build is the one we ship; the 64-bit
# build is its test copy, with the tests that run under Wine (see x86_64-w64-mingw32.cmake).
set(TARNWICK_DEPS_DIR "${PROJECT_SOURCE_DIR}/build/deps" CACHE PATH "where the set-up script caches its builds")
set(TARNWICK_LZMA_INCLUDE ${TARNWICK_DEPS_DIR}/lzma-${CMAKE_SYSTEM_PROCESSOR}/include)
set(TARNWICK_LZMA_LIBRARY ${TARNWICK_DEPS_DIR}/lzma-${CMAKE_SYSTEM_PROCESSOR}/lib/liblzma.a)
if(NOT EXISTS ${TARNWICK_LZMA_LIBRARY})
  message(FATAL_ERROR "No static liblzma at ${TARNWICK_LZMA_LIBRARY}: run scripts/setup-machine.sh first")
endif()

# Everything static: the one .exe needs only the DLLs every Windows has.
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-exec)

tarnwick_add_core_libraries()

set(TARNWICK_SYSTEM_LIBRARIES
  comctl32 comdlg32 shell32 ole32 oleaut32 uuid winmm gdi32 user32 advapi32 kernel32)

tarnwick_win32_sources(win32_sources)
add_library(tarnwick_win32 STATIC ${win32_sources})
target_link_libraries(tarnwick_win32 PUBLIC tarnwick_core ${TARNWICK_SYSTEM_LIBRARIES})
tarnwick_warnings(tarnwick_win32)

add_executable(tarnwick WIN32 startup/win32/ProgramEntry.cpp startup/win32/Resources.rc)
target_link_libraries(tarnwick PRIVATE tarnwick_win32)
target_link_options(tarnwick PRIVATE -s)
tarnwick_warnings(tarnwick)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The shipped program: check that it is what we promise (PE32, i386, GUI, system DLLs only).
  add_test(NAME runtime_is_static_pe32
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-runtime-image.sh $<TARGET_FILE:tarnwick>)
  return()
endif()

# GoogleTest built from Debian's source package with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Windows-side tests: one test binary; CTest runs it once under Wine.
file(GLOB win_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${win_test_sources})
target_link_libraries(win_tests PRIVATE tarnwick_win32 tarnwick_builder gtest_main)
tarnwick_warnings(win_tests)
add_test(NAME win_tests COMMAND win_tests)
# The tests of our GUI layer work real windows in-process through the end-to-end test driver.
file(GLOB driver_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/driver/*.cpp)
target_sources(win_tests PRIVATE ${driver_sources})
target_include_directories(win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e)

# Small programs that the Windows-side tests start as processes of their own (a window owner, a
# probe of the Windows version); built beside win_tests.exe, where the tests look for them.
file(GLOB win_test_helpers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/helpers/*.cpp)
foreach(helper_source ${win_test_helpers})
  get_filename_component(helper_name ${helper_source} NAME_WE)
  add_executable(${helper_name} ${helper_source})
  target_link_libraries(${helper_name} PRIVATE tarnwick_win32)
  tarnwick_warnings(${helper_name})
  add_dependencies(win_tests ${helper_name})
endforeach()

# Whole setups run as a user would: built with the builder, started, driven from outside.
file(GLOB e2e_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/tests/e2e/*.cpp ${PROJECT_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_executable(e2e_tests ${e2e_sources})
target_include_directories(e2e_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e)
target_link_libraries(e2e_tests PRIVATE tarnwick_builder gtest ${TARNWICK_SYSTEM_LIBRARIES})
tarnwick_warnings(e2e_tests)
add_dependencies(e2e_tests tarnwick)
add_test(NAME e2e_tests COMMAND e2e_tests $<TARGET_FILE:tarnwick>)
