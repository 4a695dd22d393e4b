# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Read by CPack once per package it makes: into each package only the
# components it holds, under the prefix it installs them to where the
# build names one (GUESS_PACKAGING_PREFIX_<GENERATOR>).
include(${CPACK_GUESS_SETTINGS})
# A package this build does not make (cpack -G DEB in a build without
# GUESS_DEBIAN_PACKAGE) would hold nothing: it is made by a product's build.
if(NOT DEFINED GUESS_COMPONENTS_${CPACK_GENERATOR})
    set(how "no product of CMakePresets.json is for ${GUESS_TARGET_TRIPLET}")
    if(GUESS_PRODUCT_PRESET)
        set(how "`cmake --workflow --preset ${GUESS_PRODUCT_PRESET}` makes this target's packages")
    endif()
    message(FATAL_ERROR "This build makes no ${CPACK_GENERATOR} package, and one would hold nothing: ${how}.")
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(component IN LISTS GUESS_COMPONENTS_${CPACK_GENERATOR})
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${PROJECT_BINARY_DIR} ${PROJECT_NAME} ${component} /)
endforeach()
if(DEFINED GUESS_PACKAGING_PREFIX_${CPACK_GENERATOR})
    # Installed there, into the staging folder, as the install would be.
    set(CPACK_INSTALL_PREFIX ${GUESS_PACKAGING_PREFIX_${CPACK_GENERATOR}})
    set(CPACK_SET_DESTDIR ON)
endif()
