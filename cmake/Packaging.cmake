# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# CPack, for the packages each platform's module then chooses
# (CPACK_GENERATOR, with the components of each in
# GUESS_COMPONENTS_<GENERATOR>), before CMakeLists.txt includes CPack: what
# every package says of the game, and the hooks that give each package its
# components, take out of it what depends on the builder rather than on the
# sources, and record it for the release.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${GUESS_VENDOR})
set(CPACK_PACKAGE_CONTACT "${GUESS_VENDOR} <guess@users.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackStaged.cmake)
list(APPEND CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackPackaged.cmake)
set(CPACK_GUESS_SETTINGS ${GUESS_SETTINGS_FILE})

# Every member of every package carries the commit's time
# (cmake/SourceDateEpoch.cmake) rather than the time it was built.
guess_setting(GUESS_SOURCE_DATE_EPOCH ${GUESS_SOURCE_DATE_EPOCH})

# The product preset that makes this target's packages, which a package
# this build does not make is asked of (cmake/CPackProject.cmake): the one
# for the compiler's target, named by its GNU triplet.
set(GUESS_TARGET_TRIPLET "")
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
        OUTPUT_VARIABLE GUESS_TARGET_TRIPLET OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
include(Presets)
guess_product_of_triplet("${GUESS_TARGET_TRIPLET}" product)
guess_setting(GUESS_PRODUCT_PRESET ${product})
guess_setting(GUESS_TARGET_TRIPLET ${GUESS_TARGET_TRIPLET})
