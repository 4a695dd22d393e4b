# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Says, as shell variables for scripts/test-all.sh, what every build and
# test needs on Debian: the packages of every group of cmake/Tools.cmake
# and of every product (cmake/Presets.cmake), the architectures dpkg must
# know for them, and the workflow presets that test it all.
#   eval "$(cmake -P scripts/list-test-packages.cmake)"
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Presets.cmake)

get_property(groups GLOBAL PROPERTY GUESS_TOOL_GROUPS)
set(tools "")
guess_workflows(workflows products)
foreach(preset IN LISTS products)
    guess_product(${preset} product)
    list(APPEND tools ${product_TOOLS} ${product_TEST_TOOLS})
endforeach()
guess_tool_packages(packages architectures GROUPS ${groups} OTHER ${tools})
list(SORT packages)

foreach(var packages architectures workflows)
    list(JOIN ${var} " " value)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${var}='${value}'")
endforeach()
