# Cross-compiles for 64-bit ARM Linux with Debian's cross compiler
# (g++-aarch64-linux-gnu). The Debian package's Depends are reckoned from the
# arm64 libraries themselves (libstdc++6:arm64, with dpkg's arm64
# architecture added).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(GUESS_CROSS_TRIPLE aarch64-linux-gnu)
find_program(CMAKE_CXX_COMPILER NAMES ${GUESS_CROSS_TRIPLE}-g++ REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

