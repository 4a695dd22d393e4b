# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# CPack: a .zip for Windows and for the web page; a Debian package and a .tar.gz for Linux.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${GUESS_VENDOR})
set(CPACK_PACKAGE_CONTACT "${GUESS_VENDOR} <guess@users.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-shot number-guessing game for the console")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
# The Windows program is linked without symbols already, so that the one
# built, tested and put in the installer is the one in the .zip too: strip
# would stamp a time into it. The web page has no program to strip.
if(NOT WIN32 AND NOT EMSCRIPTEN)
    set(CPACK_STRIP_FILES TRUE)
endif()

# Which installed components each package holds (cmake/Install.cmake); read
# by cmake/CPackProject.cmake when CPack runs.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
set(CPACK_GUESS_BUILD_DIR ${PROJECT_BINARY_DIR})
set(CPACK_GUESS_SOURCE_DIR ${PROJECT_SOURCE_DIR})

# The same commit packs the same bytes (cmake/SourceDateEpoch.cmake).
set(CPACK_GUESS_SOURCE_DATE_EPOCH ${GUESS_SOURCE_DATE_EPOCH})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackNormalise.cmake)

if(WIN32 OR EMSCRIPTEN)
    # A .zip, written by zip itself (packaging/normalise.sh), which both
    # builds have checked for with the rest of their tools.
    set(CPACK_GENERATOR ZIP)
    if(WIN32)
        set(CPACK_PACKAGE_FILE_NAME ${GUESS_WINDOWS_PACKAGE_NAME})
        set(CPACK_GUESS_COMPONENTS_ZIP program docs)
    else()
        set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-web)
        set(CPACK_GUESS_COMPONENTS_ZIP program)
    endif()
else()
    set(CPACK_GENERATOR DEB TGZ)
    string(TOLOWER ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR} platform)
    set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${platform})

    # The Debian package: the program as a distribution builds it, linked
    # against the system's libraries, which its Depends then names.
    set(CPACK_GUESS_COMPONENTS_DEB program docs desktop debian)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "The player is asked for a number from 0 to 9, types one, and is told in\n"
        "one line whether it was the winning number. The game then waits for a\n"
        "key and ends. It keeps no state and reads no files or options.")
    string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    if(CMAKE_CROSSCOMPILING)
        # dpkg would name the building machine's architecture. The package's
        # is that of the compiler's target, and dpkg-shlibdeps reckons its
        # Depends from that architecture's own libraries: without them it
        # would fail only at the end, in words a player does not know.
        include(${PROJECT_SOURCE_DIR}/cmake/CrossPrerequisites.cmake)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
            OUTPUT_VARIABLE triplet OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        guess_cross_missing(${triplet} missing)
        if(missing)
            message(FATAL_ERROR "No Debian package for ${triplet}: ${missing}")
        endif()
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${GUESS_DEB_ARCH})
    endif()

    # The .tar.gz: the static program where there is one, which runs on any
    # Linux of its architecture.
    if(GUESS_STATIC_PROGRAM)
        set(CPACK_GUESS_COMPONENTS_TGZ static docs)
    else()
        set(CPACK_GUESS_COMPONENTS_TGZ program docs)
    endif()
endif()

include(CPack)
