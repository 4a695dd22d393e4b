# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Every tool that the builds, their tests and a release use besides CMake,
# make and the compilers, declared once: the variable it is found into, the
# program (or the file, where it starts with /), the Debian package that
# has it, and the groups of work that need it. A group's tools are looked
# for when the group is asked for (guess_require_tools), each by the one
# rule here. scripts/test-all.sh installs every package named here, with
# the compilers, libraries and emulators that the products' presets call
# for (guess_product_tools).
include_guard(GLOBAL)
# A function keeps the policies of where it is defined, and a CPack hook
# (cmake/CPackSign.cmake) may be the first to include this file, with none
# set.
cmake_policy(VERSION 3.25)

# guess_tool(VARIABLE PROGRAM PACKAGE GROUP...)
function(guess_tool variable program package)
    set_property(GLOBAL PROPERTY ${variable}_TOOL ${program}:${package})
    foreach(group IN LISTS ARGN)
        set_property(GLOBAL APPEND PROPERTY GUESS_TOOLS_${group} ${variable})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY GUESS_TOOL_GROUPS ${ARGN})
endfunction()

# guess_package(PACKAGE GROUP...): a package with nothing to look for here,
# as the compilers (the toolchain files find them) and GoogleTest
# (find_package finds it).
function(guess_package package)
    foreach(group IN LISTS ARGN)
        set_property(GLOBAL APPEND PROPERTY GUESS_PACKAGES_${group} ${package})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY GUESS_TOOL_GROUPS ${ARGN})
endfunction()

# The sources' own: the commit's time, in a checkout.
guess_tool(GUESS_GIT git git SOURCES RELEASE TEST_RELEASE)
# What each product is built with, by its platform (its preset says which),
# and a Linux product's packages: Debian's, RPM's and Arch's.
guess_tool(GUESS_GZIP gzip gzip LINUX RELEASE APT)
guess_tool(GUESS_DPKG_ARCHITECTURE dpkg-architecture dpkg-dev DEBIAN)
guess_tool(GUESS_DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev DEBIAN)
guess_tool(GUESS_RPMBUILD rpmbuild rpm RPM)
guess_tool(GUESS_MAKEPKG makepkg makepkg PACMAN)
guess_tool(GUESS_FAKEROOT fakeroot fakeroot PACMAN)
guess_tool(GUESS_BSDTAR bsdtar libarchive-tools PACMAN)
guess_tool(GUESS_ZSTD zstd zstd PACMAN)
guess_tool(GUESS_UNSHARE unshare util-linux PACMAN)
guess_tool(GUESS_SETPRIV setpriv util-linux PACMAN)
guess_tool(GUESS_DPKG_QUERY dpkg-query dpkg LINUX WINDOWS WEB)
guess_tool(GUESS_RSVG_CONVERT rsvg-convert librsvg2-bin LINUX WINDOWS WEB)
guess_tool(GUESS_ICOTOOL icotool icoutils WINDOWS)
guess_tool(GUESS_WIXL wixl wixl WINDOWS)
guess_tool(GUESS_MSIBUILD msibuild msitools WINDOWS)
guess_tool(GUESS_FAKETIME faketime faketime WINDOWS)
guess_tool(GUESS_ZIP zip zip WINDOWS WEB)
guess_package(emscripten WEB)
# A release, besides what its products are built with: its source tarball,
# its SBOM, its repositories and the package managers' manifests; and to
# sign it, where keys are given.
guess_tool(GUESS_REUSE reuse reuse SBOM TEST_LINT)
guess_tool(GUESS_APT_FTPARCHIVE apt-ftparchive apt-utils APT)
guess_tool(GUESS_RPMSIGN rpmsign rpm RPM_REPOSITORY)
guess_tool(GUESS_CREATEREPO createrepo_c createrepo-c RPM_REPOSITORY)
guess_tool(GUESS_REPO_ADD repo-add pacman-package-manager PACMAN_REPOSITORY)
guess_tool(GUESS_OSSLSIGNCODE osslsigncode osslsigncode AUTHENTICODE TEST_RELEASE)
guess_tool(GUESS_GPG gpg gnupg GPG TEST_RELEASE)

# What the tests use besides the tools of what they build: the games at
# pipes and terminals; the checks of the sources; the desktop's menu entry
# on a virtual screen; each platform's products (the Linux ones for other
# processors under the emulators their presets name), and the web page in
# WebKit too, on a virtual screen; and the release's parts with throwaway
# keys.
guess_package(libgtest-dev TEST_NATIVE)
guess_tool(GUESS_CLANG_TIDY clang-tidy clang-tidy TEST_LINT)
guess_tool(GUESS_CLANG_FORMAT clang-format clang-format TEST_LINT)
guess_tool(GUESS_GROFF groff groff-base TEST_LINT)
guess_tool(GUESS_EMXX em++ emscripten TEST_LINT)
guess_tool(GUESS_XVFB Xvfb xvfb TEST_DESKTOP TEST_WEBKIT)
guess_tool(GUESS_XTERM xterm xterm TEST_DESKTOP)
guess_tool(GUESS_XDOTOOL xdotool xdotool TEST_DESKTOP)
guess_tool(GUESS_DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils TEST_DESKTOP)
guess_tool(GUESS_PS ps procps TEST_DESKTOP)
guess_tool(GUESS_VALGRIND valgrind valgrind TEST_LINUX)
guess_tool(GUESS_LINTIAN lintian lintian TEST_LINUX)
guess_tool(GUESS_RPMLINT rpmlint rpmlint TEST_LINUX)
guess_tool(GUESS_DNF dnf dnf TEST_RELEASE)
guess_tool(GUESS_ZYPPER zypper zypper TEST_RELEASE)
guess_tool(GUESS_PACMAN pacman pacman-package-manager TEST_RELEASE)
guess_tool(GUESS_OBJDUMP objdump binutils TEST_WINDOWS)
guess_tool(GUESS_LLVM_READOBJ llvm-readobj llvm TEST_WINDOWS)
guess_tool(GUESS_WINE64 wine64 wine64 TEST_WINDOWS)
guess_tool(GUESS_WRESTOOL wrestool icoutils TEST_WINDOWS)
guess_tool(GUESS_MSIINFO msiinfo msitools MANIFESTS TEST_WINDOWS)
guess_tool(GUESS_MSIEXTRACT msiextract msitools TEST_RELEASE)
guess_tool(GUESS_UNZIP unzip unzip TEST_WINDOWS TEST_WEB TEST_RELEASE)
# Debian's python3, which has Debian's selenium, wherever PATH finds another.
guess_tool(GUESS_PYTHON3 /usr/bin/python3 python3 TEST_WEB TEST_RELEASE)
guess_tool(GUESS_PYYAML /usr/lib/python3/dist-packages/yaml/__init__.py python3-yaml TEST_RELEASE)
guess_tool(GUESS_SELENIUM /usr/lib/python3/dist-packages/selenium/__init__.py python3-selenium TEST_WEB)
guess_tool(GUESS_CHROMIUM chromium chromium TEST_WEB)
guess_tool(GUESS_CHROMEDRIVER chromedriver chromium-driver TEST_WEB)
guess_tool(GUESS_WEBKITWEBDRIVER WebKitWebDriver webkit2gtk-driver TEST_WEBKIT)
guess_tool(GUESS_OPENSSL openssl openssl TEST_RELEASE)
guess_tool(GUESS_APT_GET apt-get apt TEST_RELEASE)
# What shows a difference between two releases that should be the same
# (.ci/reproducible).
guess_tool(GUESS_DIFFOSCOPE diffoscope diffoscope-minimal REPRODUCIBLE)
# The emulators are named by the presets; this package has them all.
set(GUESS_EMULATOR_PACKAGE qemu-user)

# Sets `path` to where a tool is, PROGRAM (in PATH; Debian keeps wine64
# out of it) or /FILE of PROGRAM:PACKAGE, or to NOTFOUND: the one rule by
# which every tool is looked for.
function(guess_locate tool path)
    string(REGEX REPLACE ":.*" "" what ${tool})
    unset(found)
    if(what MATCHES "^/")
        set(found NOTFOUND)
        if(EXISTS ${what})
            set(found ${what})
        endif()
    else()
        find_program(found ${what} NO_CACHE PATHS /usr/lib/wine)
    endif()
    set(${path} ${found} PARENT_SCOPE)
endfunction()

# Looks for one declared tool into its variable, a cache entry: found once
# per build, or where a builder gives it (-D GUESS_GPG=/opt/bin/gpg).
function(guess_find_tool variable)
    if(NOT ${variable})
        get_property(tool GLOBAL PROPERTY ${variable}_TOOL)
        guess_locate(${tool} path)
        set(${variable} ${path} CACHE FILEPATH "" FORCE)
    endif()
endfunction()

# Sets `missing` to a line that names the packages of what is not installed
# and the command that installs them, or to "" when all is there: the tools
# of GROUPS, each found into its variable, and OTHER tools (PROGRAM:PACKAGE
# or /FILE:PACKAGE, such as guess_product_tools() gives), only looked for.
function(guess_require_tools missing)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "GROUPS;OTHER")
    set(absent "")
    foreach(group IN LISTS arg_GROUPS)
        get_property(variables GLOBAL PROPERTY GUESS_TOOLS_${group})
        foreach(variable IN LISTS variables)
            guess_find_tool(${variable})
            if(NOT ${variable})
                get_property(tool GLOBAL PROPERTY ${variable}_TOOL)
                list(APPEND absent ${tool})
            endif()
        endforeach()
    endforeach()
    foreach(tool IN LISTS arg_OTHER)
        guess_locate(${tool} found)
        if(NOT found)
            list(APPEND absent ${tool})
        endif()
    endforeach()
    set(line "")
    if(absent)
        guess_tool_packages(packages architectures OTHER ${absent})
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

# Stops, saying what to install, unless the tools of GROUPS are there: what
# WHAT is made with. SIGNED among the groups asks for gpg too, where the
# environment gives a key to sign with (GUESS_GPG_KEY).
function(guess_need_tools what)
    set(groups ${ARGN})
    if("SIGNED" IN_LIST groups)
        list(REMOVE_ITEM groups SIGNED)
        if(NOT "$ENV{GUESS_GPG_KEY}" STREQUAL "")
            list(APPEND groups GPG)
        endif()
    endif()
    guess_require_tools(missing GROUPS ${groups})
    if(missing)
        message(FATAL_ERROR "${what} is made with tools that are ${missing}")
    endif()
endfunction()

# Sets `packages` to the Debian packages of GROUPS and of OTHER tools
# (PROGRAM:PACKAGE), each once, and `architectures` to the other
# architectures among them (libstdc++6:arm64), which dpkg must know before
# it installs them.
function(guess_tool_packages packages architectures)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "GROUPS;OTHER")
    set(names "")
    foreach(group IN LISTS arg_GROUPS)
        get_property(variables GLOBAL PROPERTY GUESS_TOOLS_${group})
        foreach(variable IN LISTS variables)
            get_property(tool GLOBAL PROPERTY ${variable}_TOOL)
            list(APPEND arg_OTHER ${tool})
        endforeach()
        get_property(others GLOBAL PROPERTY GUESS_PACKAGES_${group})
        list(APPEND names ${others})
    endforeach()
    set(others "")
    foreach(tool IN LISTS arg_OTHER)
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

# Sets GUESS_DEB_ARCH (arm64, armhf, ...) and GUESS_DEB_MULTIARCH (the folder
# of its libraries under /usr/lib) as dpkg reckons them for a GNU triplet,
# and GUESS_DEB_NATIVE to whether it is this machine's; all are empty
# without dpkg-dev.
function(guess_debian_architecture triplet)
    guess_find_tool(GUESS_DPKG_ARCHITECTURE)
    foreach(what ARCH MULTIARCH)
        set(value "")
        if(GUESS_DPKG_ARCHITECTURE)
            execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -t ${triplet} -qDEB_HOST_${what}
                OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
        set(GUESS_DEB_${what} ${value} PARENT_SCOPE)
    endforeach()
    set(native "")
    if(GUESS_DPKG_ARCHITECTURE)
        execute_process(COMMAND ${GUESS_DPKG_ARCHITECTURE} -qDEB_BUILD_GNU_TYPE
            OUTPUT_VARIABLE build OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(build STREQUAL triplet)
            set(native TRUE)
        endif()
    endif()
    set(GUESS_DEB_NATIVE ${native} PARENT_SCOPE)
endfunction()

# Sets `tools` to what a product of PLATFORM is compiled with, as
# PROGRAM:PACKAGE (the toolchain files find the compilers), for the target
# named by its GNU triplet; and, for a Linux product that makes a Debian
# package (`deb` is true), the target's own C++ library, from which
# dpkg-shlibdeps reckons the package's dependencies and on which the tests
# run the program. Debian's compiler for this machine's own target is g++.
function(guess_product_tools platform triplet deb tools)
    set(list "")
    if(platform STREQUAL "linux")
        guess_debian_architecture(${triplet})
        string(REPLACE "_" "-" package g++-${triplet})
        set(library libstdc++6:${GUESS_DEB_ARCH})
        if(GUESS_DEB_NATIVE)
            set(package g++)
            set(library libstdc++6)
        endif()
        set(list ${triplet}-g++:${package})
        if(deb AND GUESS_DEB_ARCH)
            list(APPEND list /usr/lib/${GUESS_DEB_MULTIARCH}/libstdc++.so.6:${library})
        elseif(deb)
            list(APPEND list dpkg-architecture:dpkg-dev)
        endif()
    elseif(platform STREQUAL "windows")
        string(REGEX REPLACE "^([^-]*)-.*" "\\1" processor ${triplet})
        string(REPLACE "_" "-" processor ${processor})
        set(list ${triplet}-g++-posix:g++-mingw-w64-${processor}-posix
            ${triplet}-windres:binutils-mingw-w64-${processor})
    elseif(platform STREQUAL "web")
        set(list em-config:emscripten)
    endif()
    set(${tools} ${list} PARENT_SCOPE)
endfunction()
