# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The products, as CMakePresets.json describes them: each is a configure
# preset that a workflow packages. The release, the tests of the programs
# for other processors and scripts/test-all.sh read them here, so that a
# product is described in that file alone. The few facts that only the tests
# need stand beside the preset, in its "vendor": {"guess": {...}} object:
#   emulator  the command that runs its Linux programs here ("qemu-arm -cpu arm1176")
#   static    the static program's kind, as tests/hardening.sh checks it
#   alsoOn    further processors of that emulator on which the static program
#             must play, separated by spaces
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json GUESS_PRESETS)
string(JSON count LENGTH "${GUESS_PRESETS}" configurePresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    string(JSON name GET "${GUESS_PRESETS}" configurePresets ${i} name)
    set(GUESS_PRESET_${name} ${i})
endforeach()

# Sets `out` to a member of a configure preset, such as `cacheVariables
# GUESS_CROSS_TRIPLET`, or of the preset it inherits from (ours name one);
# to "" where none has it.
function(guess_preset_get preset out)
    set(value "")
    while(DEFINED GUESS_PRESET_${preset})
        set(i ${GUESS_PRESET_${preset}})
        string(JSON value ERROR_VARIABLE missing GET "${GUESS_PRESETS}" configurePresets ${i} ${ARGN})
        if(NOT missing)
            break()
        endif()
        set(value "")
        string(JSON preset ERROR_VARIABLE none GET "${GUESS_PRESETS}" configurePresets ${i} inherits)
    endwhile()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Sets `workflows` to the workflow presets, and `products` to the products:
# the configure presets of the workflows that package, in their order.
function(guess_workflows workflows products)
    set(names "")
    set(packaged "")
    string(JSON count LENGTH "${GUESS_PRESETS}" workflowPresets)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${GUESS_PRESETS}" workflowPresets ${i} name)
        string(JSON steps GET "${GUESS_PRESETS}" workflowPresets ${i} steps)
        list(APPEND names ${name})
        if(steps MATCHES "\"package\"")
            string(JSON configure GET "${steps}" 0 name)
            list(APPEND packaged ${configure})
        endif()
    endforeach()
    set(${workflows} ${names} PARENT_SCOPE)
    set(${products} ${packaged} PARENT_SCOPE)
endfunction()

function(guess_products out)
    guess_workflows(workflows products)
    set(${out} ${products} PARENT_SCOPE)
endfunction()

# Sets, for a product's preset, <prefix>_DISPLAY (what it is), _PLATFORM
# (linux, windows or web), _TRIPLET (a cross build's target), _STATIC and
# _DEB (whether it ships a static program and a Debian package), _TOOLS
# (what it is built with, as cmake/Tools.cmake lists them), and what its
# tests need: _EMULATOR (a command, as a list), _STATIC_KIND, _ALSO_ON (a
# list) and _TEST_TOOLS.
function(guess_product preset prefix)
    guess_preset_get(${preset} display displayName)
    guess_preset_get(${preset} toolchain toolchainFile)
    guess_preset_get(${preset} triplet cacheVariables GUESS_CROSS_TRIPLET)
    guess_preset_get(${preset} static cacheVariables GUESS_STATIC_PROGRAM)
    guess_preset_get(${preset} deb cacheVariables GUESS_DEBIAN_PACKAGE)
    guess_preset_get(${preset} emulator vendor guess emulator)
    guess_preset_get(${preset} static_kind vendor guess static)
    guess_preset_get(${preset} also_on vendor guess alsoOn)
    get_filename_component(toolchain "${toolchain}" NAME_WE)
    set(platform linux)  # natively, or cross-built with linux-cross
    if(toolchain STREQUAL "mingw-w64-x86_64")
        set(platform windows)
    elseif(toolchain STREQUAL "emscripten")
        set(platform web)
    endif()
    string(TOUPPER ${platform} group)
    set(tools ${GUESS_TOOLS_${group}})
    if(NOT platform STREQUAL "linux")
        set(deb OFF)
    elseif(deb STREQUAL "")
        set(deb ON)  # as the option's default
    endif()
    if(triplet)
        guess_cross_tools(${triplet} ${deb} cross)
        list(APPEND tools ${cross})
    endif()
    if(static STREQUAL "")
        set(static OFF)
    endif()
    separate_arguments(emulator UNIX_COMMAND "${emulator}")
    separate_arguments(also_on UNIX_COMMAND "${also_on}")
    set(test_tools "")
    if(emulator)
        list(GET emulator 0 qemu)
        set(test_tools ${qemu}:${GUESS_EMULATOR_PACKAGE})
    endif()
    foreach(var display platform triplet static deb tools emulator static_kind also_on test_tools)
        string(TOUPPER ${var} name)
        set(${prefix}_${name} "${${var}}" PARENT_SCOPE)
    endforeach()
endfunction()
