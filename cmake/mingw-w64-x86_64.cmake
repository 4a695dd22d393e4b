# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64-posix and binutils-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GUESS_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${GUESS_MINGW_TRIPLE}-g++-posix ${GUESS_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${GUESS_MINGW_TRIPLE}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Lets CTest and custom commands run the program where the build runs.
find_program(GUESS_WINE64 NAMES wine64 PATHS /usr/lib/wine)
if(GUESS_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${GUESS_WINE64})
endif()
