# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Linux on another processor with one of Debian's cross
# compilers, for the target named by its GNU triplet in GUESS_CROSS_TRIPLET,
# which the preset of each target sets. The processor is named as `uname -m` names it on
# the target, which names the static program's .tar.gz: the triplet's first
# part, unless the preset gives CMAKE_SYSTEM_PROCESSOR.
if(NOT GUESS_CROSS_TRIPLET)
    message(FATAL_ERROR "GUESS_CROSS_TRIPLET is not set: the GNU triplet of the target, as a preset gives it")
endif()
# The checks CMake compiles while it configures read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GUESS_CROSS_TRIPLET)

set(CMAKE_SYSTEM_NAME Linux)
if(NOT CMAKE_SYSTEM_PROCESSOR)
    string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${GUESS_CROSS_TRIPLET})
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../Tools.cmake)
guess_cross_tools(${GUESS_CROSS_TRIPLET} OFF compiler)
guess_find_tools(missing ${compiler})
if(missing)
    message(FATAL_ERROR "The cross compiler for ${GUESS_CROSS_TRIPLET}: ${missing}")
endif()
find_program(CMAKE_CXX_COMPILER NAMES ${GUESS_CROSS_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
