# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Finds the programs a build or a check needs, each into GUESS_<PROGRAM>
# (upper case, - and . as _), and sets `missing` to the Debian packages of
# those it did not find, joined by spaces, or to "" when all are there.
#   guess_find_tools(missing program:package ...)
function(guess_find_tools missing)
    set(packages "")
    foreach(tool_package IN LISTS ARGN)
        string(REPLACE ":" ";" tool_package ${tool_package})
        list(POP_FRONT tool_package tool package)
        string(MAKE_C_IDENTIFIER GUESS_${tool} var)
        string(TOUPPER ${var} var)
        # llvm-readobj may have its version in its name; Debian keeps wine64 out of PATH.
        find_program(${var} NAMES ${tool} ${tool}-14 PATHS /usr/lib/wine)
        if(NOT ${var})
            list(APPEND packages ${package})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES packages)
    list(JOIN packages " " packages)
    set(${missing} "${packages}" PARENT_SCOPE)
endfunction()

# What each product is built with besides CMake and make, as program:package:
# the Linux programs and packages (a cross build also needs what
# cmake/CrossPrerequisites.cmake names), the Windows program and its
# packages, and the web page.
set(GUESS_TOOLS_LINUX g++:g++ dpkg-shlibdeps:dpkg-dev rsvg-convert:librsvg2-bin)
set(GUESS_TOOLS_WINDOWS
    x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
    rsvg-convert:librsvg2-bin icotool:icoutils wixl:wixl msibuild:msitools faketime:faketime zip:zip)
set(GUESS_TOOLS_WEB em++:emscripten rsvg-convert:librsvg2-bin zip:zip)
