# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Linux with one of Debian's cross compilers, for the
# target named by its GNU triplet in GUESS_CROSS_TRIPLET (the presets set
# it): aarch64-linux-gnu, arm-linux-gnueabihf, arm-linux-gnueabi, ... The
# compiler is Debian's g++-TRIPLET package; the Debian package's architecture
# and dependencies are reckoned from the compiler's target (cmake/Packaging.cmake).
if(NOT GUESS_CROSS_TRIPLET)
    message(FATAL_ERROR "GUESS_CROSS_TRIPLET is not set: the GNU triplet of the target, such as arm-linux-gnueabihf")
endif()
# The checks CMake compiles while it configures read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GUESS_CROSS_TRIPLET)

set(CMAKE_SYSTEM_NAME Linux)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${GUESS_CROSS_TRIPLET})

find_program(CMAKE_CXX_COMPILER NAMES ${GUESS_CROSS_TRIPLET}-g++)
if(NOT CMAKE_CXX_COMPILER)
    string(REPLACE "_" "-" package g++-${GUESS_CROSS_TRIPLET})
    message(FATAL_ERROR "${GUESS_CROSS_TRIPLET}-g++ not installed: the cross compiler (apt-get install ${package})")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${GUESS_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
