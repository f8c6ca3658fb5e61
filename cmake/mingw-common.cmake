# Shared by the MinGW-w64 toolchains; VELMIRA_TRIPLE names the target. Only the
# tools and where their libraries are: the project's options are in
# CMakeLists.txt and CMakePresets.json.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELMIRA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMIRA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMIRA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMIRA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
