# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The products and the test workflows, as CMakePresets.json has them. A
# product is a configure preset that a workflow packages, in the order of
# the workflows; the tests, the release and scripts/test-all.sh read here
# what each product's own entry says (none of what it inherits):
#   displayName                           what it is, as a release shows it
#   cacheVariables GUESS_CROSS_TRIPLET    its target's GNU triplet (Linux, Windows)
#                  GUESS_DEBIAN_PACKAGE   ON where it makes a .deb (Linux)
#                  GUESS_STATIC_PROGRAM   ON where it has a static program (Linux)
#                  GUESS_RPM_ARCHITECTURE, GUESS_PACMAN_ARCHITECTURE
#                                         the architecture of the static program's
#                                         RPM and Arch packages, "" for none (Linux)
#   vendor guess   platform               linux, windows or web: what it is built
#                                         with (cmake/Tools.cmake) and tested by
#                                         (tests/PLATFORM.cmake)
#                  emulator               the command that runs its Linux
#                                         programs here, unless they are this
#                                         machine's ("qemu-arm -cpu arm1176")
#                  static                 its static program's kind, as
#                                         tests/hardening.sh checks it
#                  alsoOn                 further processors of the emulator on
#                                         which the static program must play
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
set(GUESS_PRESETS_FILE ${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json)
file(READ ${GUESS_PRESETS_FILE} GUESS_PRESETS)
if(NOT CMAKE_SCRIPT_MODE_FILE)
    # A build that reads them is configured again when they change.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GUESS_PRESETS_FILE})
endif()

# Sets `tests` to the workflows that test, and `products` to the products.
function(guess_workflows tests products)
    set(testing "")
    set(packaged "")
    string(JSON count LENGTH "${GUESS_PRESETS}" workflowPresets)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${GUESS_PRESETS}" workflowPresets ${i} name)
        string(JSON steps GET "${GUESS_PRESETS}" workflowPresets ${i} steps)
        if(steps MATCHES "\"package\"")
            string(JSON configure GET "${steps}" 0 name)
            list(APPEND packaged ${configure})
        elseif(steps MATCHES "\"test\"")
            list(APPEND testing ${name})
        endif()
    endforeach()
    set(${tests} ${testing} PARENT_SCOPE)
    set(${products} ${packaged} PARENT_SCOPE)
endfunction()

# Where the default build builds a product, in DIR (its own folder), packs
# it, and records what it packed (cmake/CPackPackaged.cmake): the tests
# build and pack it there (tests/CMakeLists.txt), and a release made of
# that build takes it (scripts/release.cmake -D BUILT=DIR). Sets
# <prefix>_DIR (DIR/PRESET), <prefix>_PACKAGES (DIR/PRESET-packages) and
# <prefix>_RECORD (the record, in that folder).
function(guess_product_build dir preset prefix)
    set(${prefix}_DIR ${dir}/${preset} PARENT_SCOPE)
    set(${prefix}_PACKAGES ${dir}/${preset}-packages PARENT_SCOPE)
    set(${prefix}_RECORD ${dir}/${preset}-packages/packages PARENT_SCOPE)
endfunction()

# Sets `preset` to the product whose GUESS_CROSS_TRIPLET is TRIPLET, or "".
function(guess_product_of_triplet triplet preset)
    guess_workflows(tests products)
    set(found "")
    foreach(product IN LISTS products)
        guess_preset_entry(${product} entry)
        guess_json_member(target "${entry}" cacheVariables GUESS_CROSS_TRIPLET)
        if(triplet AND target STREQUAL triplet)
            set(found ${product})
        endif()
    endforeach()
    set(${preset} "${found}" PARENT_SCOPE)
endfunction()

# Sets `entry` to the configure preset PRESET, as JSON.
function(guess_preset_entry preset entry)
    set(found "")
    string(JSON count LENGTH "${GUESS_PRESETS}" configurePresets)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${GUESS_PRESETS}" configurePresets ${i} name)
        if(name STREQUAL preset)
            string(JSON found GET "${GUESS_PRESETS}" configurePresets ${i})
        endif()
    endforeach()
    if(NOT found)
        message(FATAL_ERROR "CMakePresets.json has no configure preset ${preset}")
    endif()
    set(${entry} "${found}" PARENT_SCOPE)
endfunction()

function(guess_json_member var json)
    string(JSON value ERROR_VARIABLE none GET "${json}" ${ARGN})
    if(none)
        set(value "")
    endif()
    set(${var} "${value}" PARENT_SCOPE)
endfunction()

# Sets <prefix>_DISPLAY, _PLATFORM, _TRIPLET, _DEB and _STATIC (ON or OFF),
# _RPM and _PACMAN (an architecture, or ""), _GROUPS (of cmake/Tools.cmake,
# what it is built with),
# _EMULATOR (a command, as a list), _STATIC_KIND and _ALSO_ON (a list) from
# a product's preset, and _TOOLS and _TEST_TOOLS, what it is compiled and
# run with (PROGRAM:PACKAGE) besides the tools of its platform's groups.
function(guess_product preset prefix)
    guess_preset_entry(${preset} entry)
    # Members a product may lack are "", those of its platform are required.
    string(JSON display GET "${entry}" displayName)
    string(JSON platform GET "${entry}" vendor guess platform)
    guess_json_member(triplet "${entry}" cacheVariables GUESS_CROSS_TRIPLET)
    guess_json_member(emulator "${entry}" vendor guess emulator)
    guess_json_member(static_kind "${entry}" vendor guess static)
    guess_json_member(also_on "${entry}" vendor guess alsoOn)
    set(deb OFF)
    set(static OFF)
    set(rpm "")
    set(pacman "")
    if(platform STREQUAL "linux")
        string(JSON deb GET "${entry}" cacheVariables GUESS_DEBIAN_PACKAGE)
        string(JSON static GET "${entry}" cacheVariables GUESS_STATIC_PROGRAM)
        string(JSON rpm GET "${entry}" cacheVariables GUESS_RPM_ARCHITECTURE)
        string(JSON pacman GET "${entry}" cacheVariables GUESS_PACMAN_ARCHITECTURE)
    endif()
    # The groups of cmake/Tools.cmake it is built with: its platform's, and
    # its packages'.
    string(TOUPPER "${platform}" groups)
    if(deb)
        list(APPEND groups DEBIAN)
    endif()
    if(rpm)
        list(APPEND groups RPM)
    endif()
    if(pacman)
        list(APPEND groups PACMAN)
    endif()
    guess_product_tools("${platform}" "${triplet}" ${deb} tools)
    separate_arguments(emulator UNIX_COMMAND "${emulator}")
    separate_arguments(also_on UNIX_COMMAND "${also_on}")
    set(test_tools "")
    if(emulator)
        list(GET emulator 0 qemu)
        set(test_tools ${qemu}:${GUESS_EMULATOR_PACKAGE})
    endif()
    foreach(var display platform triplet deb static rpm pacman emulator static_kind also_on groups tools test_tools)
        string(TOUPPER ${var} name)
        set(${prefix}_${name} "${${var}}" PARENT_SCOPE)
    endforeach()
endfunction()
