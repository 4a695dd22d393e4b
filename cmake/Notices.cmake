# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The notices of the code that is not ours in a program that carries it in
# itself (a static program, the Windows one, the web page's script), made
# from what the linker read when it linked the program: its --trace, kept by
# scripts/link-trace.sh, mapped to Debian's packages by
# scripts/third-party-notices.sh.

# Writes the notices of `target` to `output`, with Windows' line ends if
# CRLF is given; the target's link is traced for them.
function(guess_third_party_notices target output)
    set(eol lf)
    if("CRLF" IN_LIST ARGN)
        set(eol crlf)
    endif()
    set(trace ${CMAKE_CURRENT_BINARY_DIR}/${target}.link-trace)
    get_target_property(launcher ${target} CXX_LINKER_LAUNCHER)
    if(NOT launcher)
        set(launcher "")
    endif()
    list(APPEND launcher sh ${PROJECT_SOURCE_DIR}/scripts/link-trace.sh ${trace})
    set_target_properties(${target} PROPERTIES CXX_LINKER_LAUNCHER "${launcher}")
    target_link_options(${target} PRIVATE LINKER:--trace)
    set(cache "")
    if(EMSCRIPTEN)
        execute_process(COMMAND ${GUESS_EM_CONFIG} CACHE
            OUTPUT_VARIABLE cache OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    add_custom_command(OUTPUT ${output}
        COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.sh ${output} ${trace} ${PROJECT_BINARY_DIR} ${eol} ${cache}
        DEPENDS ${target} ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.sh
        VERBATIM)
    add_custom_target(${target}-notices ALL DEPENDS ${output})
endfunction()
