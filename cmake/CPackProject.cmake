# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Read by CPack once per package it makes.

# Into each package only the components it holds (CPACK_GUESS_COMPONENTS_<generator>).
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(component IN LISTS CPACK_GUESS_COMPONENTS_${CPACK_GENERATOR})
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${CPACK_GUESS_BUILD_DIR} guess ${component} /)
endforeach()

# Every member of every archive carries this time rather than the time it
# was built (cmake/Packaging.cmake says where it comes from).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_GUESS_SOURCE_DATE_EPOCH})
endif()

# A Debian package that named none of the libraries it needs would install
# and then fail to start.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(GUESS_SHLIBDEPS dpkg-shlibdeps)
    if(NOT GUESS_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps not installed: it reckons the package's dependencies (apt-get install dpkg-dev)")
    endif()
endif()
