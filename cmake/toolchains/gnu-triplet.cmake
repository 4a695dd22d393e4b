# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What the toolchain files for a target named by its GNU triplet share: the
# triplet, GUESS_CROSS_TRIPLET, which the preset of each target sets; the
# processor, named as the target's `uname -m` names it (the triplet's first
# part, unless the preset gives CMAKE_SYSTEM_PROCESSOR); the target's own
# files under /usr/TRIPLET; and the compilers, found by their names, or a
# stop that names the packages to install.
if(NOT GUESS_CROSS_TRIPLET)
    message(FATAL_ERROR "GUESS_CROSS_TRIPLET is not set: the GNU triplet of the target, as a preset gives it")
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

# guess_find_compilers(PLATFORM VARIABLE PROGRAM [VARIABLE PROGRAM]...)
macro(guess_find_compilers platform)
    set(guess_compilers ${ARGN})
    while(guess_compilers)
        list(POP_FRONT guess_compilers guess_variable guess_program)
        find_program(${guess_variable} NAMES ${guess_program})
        if(NOT ${guess_variable})
            include(${CMAKE_CURRENT_LIST_DIR}/../Tools.cmake)
            guess_product_tools(${platform} ${GUESS_CROSS_TRIPLET} OFF compilers)
            guess_require_tools(missing OTHER ${compilers})
            message(FATAL_ERROR "The compilers for ${GUESS_CROSS_TRIPLET} are ${missing}")
        endif()
    endwhile()
endmacro()
