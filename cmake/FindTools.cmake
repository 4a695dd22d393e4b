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
