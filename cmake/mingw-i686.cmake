set(VELMIRA_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 doubles, so the 32-bit release computes the same pixels as the 64-bit build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# This kernel cannot run 32-bit code: the i686 build is compiled, never run here.
set(VELMIRA_CAN_RUN OFF)
