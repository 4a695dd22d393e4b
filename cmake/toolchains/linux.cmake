# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Compiles for Linux with Debian's compiler for the target, named by its
# Debian architecture, GUESS_DEBIAN_ARCHITECTURE (this machine's unless
# given), whose GNU triplet dpkg-architecture says
# (cmake/toolchains/gnu-triplet.cmake). Its row of cmake/LinuxTargets.cmake
# says which packages it has, and what they name it: the static program's
# processor names its .tar.gz.
set(CMAKE_SYSTEM_NAME Linux)
include(${CMAKE_CURRENT_LIST_DIR}/../Tool.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../LinuxTargets.cmake)
# Asked once: the checks CMake compiles are handed the architecture and the
# triplet, as they read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GUESS_DEBIAN_ARCHITECTURE)
if(NOT GUESS_CROSS_TRIPLET)
    guess_find_program(GUESS_DPKG_ARCHITECTURE dpkg-architecture dpkg-dev)
    if(NOT GUESS_DEBIAN_ARCHITECTURE)
        execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -qDEB_BUILD_ARCH
            OUTPUT_VARIABLE GUESS_DEBIAN_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -a ${GUESS_DEBIAN_ARCHITECTURE} -qDEB_HOST_GNU_TYPE
        OUTPUT_VARIABLE GUESS_CROSS_TRIPLET OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
guess_linux_target(${GUESS_DEBIAN_ARCHITECTURE})
if(GUESS_TARBALL_PROCESSOR)
    set(CMAKE_SYSTEM_PROCESSOR ${GUESS_TARBALL_PROCESSOR})
    set(GUESS_STATIC_PROGRAM ON)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/gnu-triplet.cmake)
string(REPLACE "_" "-" package g++-${GUESS_CROSS_TRIPLET})
guess_find_program(CMAKE_CXX_COMPILER ${GUESS_CROSS_TRIPLET}-g++ "${package} (g++ for this machine's own)")
