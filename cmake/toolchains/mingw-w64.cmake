# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Windows with MinGW-w64, for the target named by its
# GNU triplet (cmake/toolchains/gnu-triplet.cmake): its C++ compiler with
# POSIX threads, and its resource compiler.
set(CMAKE_SYSTEM_NAME Windows)
include(${CMAKE_CURRENT_LIST_DIR}/gnu-triplet.cmake)
guess_find_compilers(windows CMAKE_CXX_COMPILER ${GUESS_CROSS_TRIPLET}-g++-posix
    CMAKE_RC_COMPILER ${GUESS_CROSS_TRIPLET}-windres)
