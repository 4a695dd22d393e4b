# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What a cross build for Linux needs from Debian, for a target named by its
# GNU triplet: the cross compiler, and the target's own C++ library, from
# which dpkg-shlibdeps reckons a Debian package's dependencies. It belongs to
# the target's architecture, which dpkg must know first.

# Sets GUESS_DEB_ARCH (arm64, armhf, armel, ...) and GUESS_DEB_MULTIARCH (the
# directory of its libraries under /usr/lib) as dpkg reckons them from the
# triplet; both are empty without dpkg-dev.
function(guess_debian_architecture triplet)
    find_program(GUESS_DPKG_ARCHITECTURE dpkg-architecture)
    foreach(what ARCH MULTIARCH)
        set(value "")
        if(GUESS_DPKG_ARCHITECTURE)
            execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -t ${triplet} -qDEB_HOST_${what}
                OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
        set(GUESS_DEB_${what} ${value} PARENT_SCOPE)
    endforeach()
endfunction()

# Sets `line` to "" when everything the cross build for `triplet` needs is
# installed, and otherwise to one line that names what is missing and the
# command that installs it; sets GUESS_DEB_ARCH as above. ARGN: packages the
# caller found missing itself.
function(guess_cross_missing triplet line)
    set(missing ${ARGN})
    find_program(GUESS_CXX_${triplet} ${triplet}-g++)
    if(NOT GUESS_CXX_${triplet})
        string(REPLACE "_" "-" compiler g++-${triplet})
        list(APPEND missing ${compiler})
    endif()
    guess_debian_architecture(${triplet})
    set(add_architecture "")
    if(NOT GUESS_DEB_ARCH)
        list(APPEND missing dpkg-dev)
    else()
        find_file(GUESS_LIBSTDCXX_${GUESS_DEB_ARCH} libstdc++.so.6
            PATHS /usr/lib/${GUESS_DEB_MULTIARCH} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
        if(NOT GUESS_LIBSTDCXX_${GUESS_DEB_ARCH})
            list(APPEND missing libstdc++6:${GUESS_DEB_ARCH})
            set(add_architecture "dpkg --add-architecture ${GUESS_DEB_ARCH} && ")
        endif()
    endif()
    set(GUESS_DEB_ARCH ${GUESS_DEB_ARCH} PARENT_SCOPE)
    set(${line} "" PARENT_SCOPE)
    if(missing)
        list(JOIN missing " " missing)
        set(${line} "not installed: ${missing} (${add_architecture}apt-get update && apt-get install ${missing})"
            PARENT_SCOPE)
    endif()
endfunction()
