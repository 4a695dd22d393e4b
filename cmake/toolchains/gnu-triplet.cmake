# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What the toolchain files for a target named by its GNU triplet,
# GUESS_CROSS_TRIPLET, share: the processor, named as the target's `uname
# -m` names it, or its family where that names a version, as for 32-bit ARM
# (the triplet's first part, unless the toolchain file gives
# CMAKE_SYSTEM_PROCESSOR); the target's own files under /usr/TRIPLET; and
# the compilers, found by their names (guess_find_program), or a stop that
# names the package to install.
if(NOT GUESS_CROSS_TRIPLET)
    message(FATAL_ERROR "GUESS_CROSS_TRIPLET is not set: the GNU triplet of the target")
endif()
# The checks CMake compiles while it configures read the toolchain again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GUESS_CROSS_TRIPLET)
if(NOT CMAKE_SYSTEM_PROCESSOR)
    string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${GUESS_CROSS_TRIPLET})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
include(${CMAKE_CURRENT_LIST_DIR}/../Tool.cmake)
