# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Read by CPack once per package it makes: into each package only the
# components it holds, with the commit's time (cmake/Packaging.cmake).
include(${CPACK_GUESS_SETTINGS})
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(component IN LISTS GUESS_COMPONENTS_${CPACK_GENERATOR})
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${PROJECT_BINARY_DIR} ${PROJECT_NAME} ${component} /)
endforeach()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
endif()
