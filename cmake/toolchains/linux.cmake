# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Compiles for Linux with Debian's compiler for the target, named by its
# Debian architecture, GUESS_DEBIAN_ARCHITECTURE (a product's preset is
# named by it), whose GNU triplet dpkg-architecture says
# (cmake/toolchains/gnu-triplet.cmake): the processor names the static
# program's .tar.gz.
set(CMAKE_SYSTEM_NAME Linux)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GUESS_DEBIAN_ARCHITECTURE)
include(${CMAKE_CURRENT_LIST_DIR}/../Tool.cmake)
# Asked once: the checks CMake compiles are handed the triplet
# (gnu-triplet.cmake), as they read this file again.
if(NOT GUESS_CROSS_TRIPLET)
    guess_find_program(GUESS_DPKG_ARCHITECTURE dpkg-architecture dpkg-dev)
    execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -a ${GUESS_DEBIAN_ARCHITECTURE} -qDEB_HOST_GNU_TYPE
        OUTPUT_VARIABLE GUESS_CROSS_TRIPLET OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/gnu-triplet.cmake)
string(REPLACE "_" "-" package g++-${GUESS_CROSS_TRIPLET})
guess_find_program(CMAKE_CXX_COMPILER ${GUESS_CROSS_TRIPLET}-g++ "${package} (g++ for this machine's own)")
