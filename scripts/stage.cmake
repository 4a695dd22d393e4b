# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Stages what some components of a build install, under PREFIX in STAGED,
# as `DESTDIR=STAGED cmake --install BUILD --component COMPONENT --prefix
# PREFIX` does for each, in one CMake for them all (cmake/Packages.cmake).
#   cmake -D BUILD=DIR -D CONFIG=NAME -D PREFIX=DIR -D "COMPONENTS=A B" -D STAGED=DIR -P scripts/stage.cmake
cmake_minimum_required(VERSION 3.25)
set(ENV{DESTDIR} ${STAGED})
set(CMAKE_INSTALL_PREFIX ${PREFIX})
set(CMAKE_INSTALL_CONFIG_NAME ${CONFIG})
separate_arguments(COMPONENTS)
foreach(CMAKE_INSTALL_COMPONENT IN LISTS COMPONENTS)
    include(${BUILD}/cmake_install.cmake)
endforeach()
