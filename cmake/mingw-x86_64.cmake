set(VELMIRA_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Tests and benchmarks run under Wine, each run in a private prefix on a private display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
set(VELMIRA_CAN_RUN ON)
# The release is the i686 program: the end-to-end suites and the installer go with it.
set(VELMIRA_RELEASE OFF)
