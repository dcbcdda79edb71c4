# Cross compilation for 32-bit Windows with Debian's mingw-w64 (POSIX threads
# flavour). MIRL_DEPS_PREFIX names the prefix holding libpng, libogg and
# libvorbis built for the same target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(MIRL_DEPS_PREFIX "" CACHE PATH "prefix of the libraries built for i686")
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32 ${MIRL_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
