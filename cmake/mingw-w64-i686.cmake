# Cross-compiling for 32-bit Windows (Windows 7 SP1 and later on older plant
# PCs) with Debian's mingw-w64 toolchain (package g++-mingw-w64-i686-posix).
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# SSE2 arithmetic, not the x87 unit's 80-bit registers: every double is rounded
# as in the 64-bit build, so both print the same last digits.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
