# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The hardening a distribution gives its programs, on the target alone and
# only where the compiler and linker take it.
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

# Takes the flags the toolchain takes: all of them, tried in one program, as
# a toolchain mostly takes them all; or else each one it takes on its own.
#   guess_take_flags(TARGET [COMPILE FLAG...] [LINK FLAG...])
function(guess_take_flags target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMPILE;LINK")
    list(JOIN arg_COMPILE " " CMAKE_REQUIRED_FLAGS)
    set(CMAKE_REQUIRED_LINK_OPTIONS ${arg_LINK})
    string(REPLACE "LINKER:" "" shown "${arg_COMPILE} ${arg_LINK}")
    string(MAKE_C_IDENTIFIER "GUESS_TAKES ${shown}" taken)
    # A compiler or linker may merely warn that it ignores an option it
    # has no support for on this target (Clang's -mbranch-protection on
    # x86, -z pack-relative-relocs on arm64): a warning that names a flag
    # tried refuses it, but not one of the caller's flags (Clang's, that it
    # ignores -ffat-lto-objects), nor the command lines that name them all.
    string(REGEX REPLACE "(^| )-z," "\\1-z[ ,]" refused "${shown}")
    separate_arguments(refused UNIX_COMMAND "${refused}")
    list(TRANSFORM refused PREPEND "(warning|error): [^\n]*")
    check_cxx_source_compiles("int main() { return 0; }" ${taken} FAIL_REGEX ${refused})
    set(flags ${arg_COMPILE} ${arg_LINK})
    list(LENGTH flags count)
    if(${taken})
        target_compile_options(${target} PRIVATE ${arg_COMPILE})
        target_link_options(${target} PRIVATE ${arg_LINK})
    elseif(count GREATER 1)
        foreach(kind COMPILE LINK)
            foreach(flag IN LISTS arg_${kind})
                guess_take_flags(${target} ${kind} ${flag})
            endforeach()
        endforeach()
    endif()
endfunction()

function(guess_harden target)
    if(EMSCRIPTEN)
        return()  # its code and call stack lie outside the memory it can write
    endif()
    if(WIN32)
        # Address space randomisation (with 64-bit entropy), no execution from
        # data, and no compatibility paths for old terminal servers: what
        # Windows' own linker sets for a console program.
        guess_take_flags(${target} LINK
            LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat LINKER:--tsaware)
        return()
    endif()
    check_pie_supported(LANGUAGES CXX)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    guess_take_flags(${target} COMPILE -fstack-protector-strong LINK LINKER:-z,relro LINKER:-z,now)
    # Control-flow protection: x86's, or else arm64's, as each compiler
    # takes only its own processor's.
    foreach(flag -fcf-protection=full -mbranch-protection=standard)
        guess_take_flags(${target} COMPILE ${flag})
        get_target_property(options ${target} COMPILE_OPTIONS)
        if(flag IN_LIST options)
            break()
        endif()
    endforeach()
    # Checked string and buffer calls need the optimiser to know object sizes.
    target_compile_options(${target} PRIVATE
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
endfunction()

# A static program, which needs no shared library. Where the C library has
# the start-up code for it, it is static-pie: still position independent, so
# that it is loaded at a random address. Packed relative relocations keep its
# start-up cheap: it relocates itself before main(), and most of that work is
# one entry per pointer otherwise. Elsewhere (Debian's C library has no
# rcrt1.o for 32-bit ARM, POWER, IBM Z or RISC-V) it is plainly static, at
# a fixed address.
function(guess_link_static target)
    set(CMAKE_REQUIRED_FLAGS -fPIE)
    set(CMAKE_REQUIRED_LINK_OPTIONS -static-pie)
    check_cxx_source_compiles("int main() { return 0; }" GUESS_STATIC_PIE)
    if(NOT GUESS_STATIC_PIE)
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE OFF)
        target_link_options(${target} PRIVATE -static)
        return()
    endif()
    # Compiled as for a PIE, but linked without the -pie that the property
    # would add after ours and that would make the program dynamic again.
    set_property(TARGET ${target} PROPERTY POSITION_INDEPENDENT_CODE)
    target_compile_options(${target} PRIVATE -fPIE)
    target_link_options(${target} PRIVATE -static-pie)
    guess_take_flags(${target} LINK LINKER:-z,pack-relative-relocs)
endfunction()
