# Shared part of the mingw-w64 toolchain files.
set(CMAKE_C_COMPILER ${KELO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELO_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No DLL beyond the system's own: the C++ and GCC runtimes are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
