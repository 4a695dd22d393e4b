# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Compiles for Linux with Debian's compiler for the target, named by its
# GNU triplet (cmake/toolchains/gnu-triplet.cmake): the processor names the
# static program's .tar.gz.
set(CMAKE_SYSTEM_NAME Linux)
include(${CMAKE_CURRENT_LIST_DIR}/gnu-triplet.cmake)
guess_find_compilers(linux CMAKE_CXX_COMPILER ${GUESS_CROSS_TRIPLET}-g++)
