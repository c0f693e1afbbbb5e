# Cross-builds a 64-bit Windows console program with mingw-w64 (Debian package
# g++-mingw-w64-x86-64). The shipped program is the 32-bit one; this build
# exists for testing under a 64-bit-only Wine, on hosts that cannot run
# 32-bit code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELO_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
