set(VELMIRA_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 doubles, so the 32-bit release computes the same pixels as the 64-bit build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# The release program: its Win32 tests and the end-to-end suites run under
# 32-bit Wine (wine32), each run in a private prefix on a private display, and
# the installer is built from it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
set(VELMIRA_CAN_RUN ON)
set(VELMIRA_RELEASE ON)
