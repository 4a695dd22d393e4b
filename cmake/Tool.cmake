# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# guess_find_program(VARIABLE PROGRAM PACKAGE): finds a program that the
# build or a script runs, into VARIABLE, or stops, naming the Debian
# package that has it.
include_guard(GLOBAL)
function(guess_find_program variable program package)
    find_program(${variable} ${program})
    if(NOT ${variable})
        message(FATAL_ERROR "${program} not found: it is in the Debian package ${package} (apt-get install ${package})")
    endif()
endfunction()
