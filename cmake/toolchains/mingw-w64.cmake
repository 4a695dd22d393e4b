# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Windows with MinGW-w64, for the target named by its
# GNU triplet, GUESS_CROSS_TRIPLET (cmake/toolchains/gnu-triplet.cmake):
# its C++ compiler with POSIX threads, and its resource compiler.
set(CMAKE_SYSTEM_NAME Windows)
include(${CMAKE_CURRENT_LIST_DIR}/gnu-triplet.cmake)
string(REPLACE "_" "-" processor ${CMAKE_SYSTEM_PROCESSOR})
guess_find_program(CMAKE_CXX_COMPILER ${GUESS_CROSS_TRIPLET}-g++-posix g++-mingw-w64-${processor}-posix)
guess_find_program(CMAKE_RC_COMPILER ${GUESS_CROSS_TRIPLET}-windres binutils-mingw-w64-${processor})
