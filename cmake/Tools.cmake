# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Every tool that the builds, their tests and a release use besides CMake,
# make and the machine's own C++ compiler, as WHAT:PACKAGE, the Debian
# package that has it. WHAT is a program, or a file where it starts with /;
# where it is empty, the tool's user finds it itself (GoogleTest, through
# find_package()). scripts/test-all.sh installs every package named here,
# and those of the cross compilers that the presets name.

# What each product is built with (cmake/Presets.cmake says which product
# is which): the Linux programs and packages, the Windows program and its
# packages, the web page. A cross build for Linux also needs its compiler
# and, for its Debian package, its target's C++ library (guess_cross_tools).
set(GUESS_TOOLS_LINUX g++:g++ dpkg-shlibdeps:dpkg-dev rsvg-convert:librsvg2-bin)
set(GUESS_MINGW_TRIPLET x86_64-w64-mingw32)
set(GUESS_TOOLS_WINDOWS
    ${GUESS_MINGW_TRIPLET}-g++-posix:g++-mingw-w64-x86-64-posix ${GUESS_MINGW_TRIPLET}-windres:binutils-mingw-w64-x86-64
    rsvg-convert:librsvg2-bin icotool:icoutils wixl:wixl msibuild:msitools faketime:faketime zip:zip)
set(GUESS_TOOLS_WEB em++:emscripten rsvg-convert:librsvg2-bin zip:zip)
# A release, besides every product's; and to sign it, where keys are given.
set(GUESS_TOOLS_RELEASE git:git gzip:gzip reuse:reuse apt-ftparchive:apt-utils)
set(GUESS_TOOLS_AUTHENTICODE osslsigncode:osslsigncode)
set(GUESS_TOOLS_GPG gpg:gnupg)

# What the tests use, besides the tools of what they build: the games at
# pipes and terminals and the packages' checks; the checks of the sources;
# the desktop's menu entry on a virtual screen; the Windows program under
# Wine; the web page in a browser; the Linux programs for other processors
# under qemu-user; and a whole release with throwaway keys.
set(GUESS_TEST_TOOLS_NATIVE :libgtest-dev valgrind:valgrind lintian:lintian)
set(GUESS_TEST_TOOLS_LINT clang-tidy:clang-tidy clang-format:clang-format groff:groff-base reuse:reuse)
set(GUESS_TEST_TOOLS_DESKTOP
    Xvfb:xvfb xterm:xterm xdotool:xdotool desktop-file-validate:desktop-file-utils ps:procps)
set(GUESS_TEST_TOOLS_WINDOWS
    ${GUESS_MINGW_TRIPLET}-objdump:binutils-mingw-w64-x86-64 llvm-readobj:llvm wine64:wine64 wineserver:wine64
    wrestool:icoutils unzip:unzip)
set(GUESS_TEST_TOOLS_WEB chromium:chromium chromedriver:chromium-driver
    /usr/lib/python3/dist-packages/selenium:python3-selenium)
# The emulators are named by the presets; this package has them all.
set(GUESS_EMULATOR_PACKAGE qemu-user)
set(GUESS_TEST_TOOLS_RELEASE osslsigncode:osslsigncode gpg:gnupg gpgconf:gnupg openssl:openssl git:git
    msiextract:msitools unzip:unzip python3:python3)

# Sets `packages` to the Debian packages of the tools (WHAT:PACKAGE ...),
# each once, and `architectures` to the other architectures among them
# (libstdc++6:arm64), which dpkg must know before it installs them.
function(guess_tool_packages packages architectures)
    set(names "")
    set(others "")
    foreach(tool IN LISTS ARGN)
        string(REGEX MATCH "^[^:]*:(.*)$" tool ${tool})
        list(APPEND names ${CMAKE_MATCH_1})
        if(CMAKE_MATCH_1 MATCHES ":(.+)$")
            list(APPEND others ${CMAKE_MATCH_1})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES names)
    list(REMOVE_DUPLICATES others)
    set(${packages} ${names} PARENT_SCOPE)
    set(${architectures} ${others} PARENT_SCOPE)
endfunction()

# Sets `missing` to a line that names the packages of the tools (WHAT:PACKAGE
# ...) that are not installed and the command that installs them, or to ""
# when all are there. Each program found is in GUESS_<PROGRAM> (upper case,
# - and . as _).
function(guess_find_tools missing)
    set(absent "")
    foreach(tool IN LISTS ARGN)
        string(REGEX REPLACE ":.*" "" what ${tool})
        string(MAKE_C_IDENTIFIER GUESS_${what} var)
        string(TOUPPER ${var} var)
        if(what MATCHES "^/")
            set(${var} ${what})
            if(NOT EXISTS ${what})
                set(${var} NOTFOUND)
            endif()
        elseif(what)
            # llvm-readobj may have its version in its name; Debian keeps wine64 out of PATH.
            find_program(${var} NAMES ${what} ${what}-14 PATHS /usr/lib/wine)
        endif()
        if(what AND NOT ${var})
            list(APPEND absent ${tool})
        endif()
    endforeach()
    set(line "")
    if(absent)
        guess_tool_packages(packages architectures ${absent})
        list(JOIN packages " " packages)
        list(TRANSFORM architectures REPLACE "(.+)" "dpkg --add-architecture \\1 && ")
        if(architectures)
            list(APPEND architectures "apt-get update && ")
        endif()
        list(JOIN architectures "" add)
        set(line "not installed: ${packages} (${add}apt-get install ${packages})")
    endif()
    set(${missing} "${line}" PARENT_SCOPE)
endfunction()

# Sets GUESS_DEB_ARCH (arm64, armhf, ...) and GUESS_DEB_MULTIARCH (the folder
# of its libraries under /usr/lib) as dpkg reckons them for a GNU triplet;
# both are empty without dpkg-dev.
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

# Sets `tools` to what a cross build for Linux needs for the target named by
# its GNU triplet: Debian's cross compiler and, where it makes a Debian
# package (`deb` is true), the target's own C++ library, from which
# dpkg-shlibdeps reckons the package's dependencies and on which the tests
# run the program.
function(guess_cross_tools triplet deb tools)
    string(REPLACE "_" "-" compiler g++-${triplet})
    set(list ${triplet}-g++:${compiler})
    if(deb)
        guess_debian_architecture(${triplet})
        if(GUESS_DEB_ARCH)
            list(APPEND list /usr/lib/${GUESS_DEB_MULTIARCH}/libstdc++.so.6:libstdc++6:${GUESS_DEB_ARCH})
        else()
            list(APPEND list dpkg-architecture:dpkg-dev)
        endif()
    endif()
    set(${tools} ${list} PARENT_SCOPE)
endfunction()
