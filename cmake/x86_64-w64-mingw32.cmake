# Cross toolchain: 64-bit Windows. The shipped runtime is the 32-bit build (i686-w64-mingw32.cmake);
# this one builds the same sources as a test copy, with the Windows-side tests, because the
# machines we test on run only 64-bit Wine (they cannot execute i386 Linux binaries, so Wine's
# 32-bit loader cannot start).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
