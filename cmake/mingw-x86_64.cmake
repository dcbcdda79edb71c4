# 64-bit Windows: the build of machines that cannot run 32-bit code
# (scripts/wine-env).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MIRL_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
