# Cross compilation for Windows with Debian's mingw-w64 (POSIX threads
# flavour), included by the per-target toolchain files after they set
# MIRL_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR. MIRL_DEPS_PREFIX names the
# prefix holding libpng, libogg and libvorbis built for the same target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MIRL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIRL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MIRL_MINGW_TRIPLE}-windres)

set(MIRL_DEPS_PREFIX "" CACHE PATH "prefix of the libraries built for the target")
set(CMAKE_FIND_ROOT_PATH /usr/${MIRL_MINGW_TRIPLE} ${MIRL_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
