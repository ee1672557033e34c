# Cross build for 32-bit Windows with MinGW-w64.
set(LUMIVANE_MINGW_TRIPLET i686-w64-mingw32)
# SSE2 arithmetic: the x87 unit would keep the fade's products in 80 bits and round
# some ties differently from every other build.
set(LUMIVANE_MINGW_EXTRA_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
