# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Cross-compiles for 64-bit Windows with MinGW-w64, and finds every tool the
# Windows program and its packages are made with (cmake/Tools.cmake), so
# that a build without them stops at once and says what to install.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

include(${CMAKE_CURRENT_LIST_DIR}/../Tools.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WINDOWS})
if(missing)
    message(FATAL_ERROR "The Windows program and its packages are made with tools that are ${missing}")
endif()
find_program(CMAKE_CXX_COMPILER NAMES ${GUESS_MINGW_TRIPLET}-g++-posix)
find_program(CMAKE_RC_COMPILER NAMES ${GUESS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
