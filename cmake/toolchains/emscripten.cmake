# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Compiles for the web with Emscripten: its own toolchain file, found where
# em-config says Emscripten lives.
include(${CMAKE_CURRENT_LIST_DIR}/../Tool.cmake)
guess_find_program(GUESS_EM_CONFIG em-config emscripten)
execute_process(COMMAND ${GUESS_EM_CONFIG} EMSCRIPTEN_ROOT
    OUTPUT_VARIABLE GUESS_EMSCRIPTEN_ROOT OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include(${GUESS_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# Debian's Emscripten runs on the Python its package depends on, Debian's,
# rather than on whatever python3 comes first on PATH: a version manager's
# shim there would be dozens of processes at each of its many runs, and
# another Python than it was packaged for. Its optimiser runs on Node.js and
# needs its acorn module, which Debian keeps in /usr/share/nodejs: Debian's
# own node looks there; another node is told where it is.
find_program(GUESS_EMSDK_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(ENV{EMSDK_PYTHON} ${GUESS_EMSDK_PYTHON})  # for the runs of the configure itself
set(CMAKE_CXX_COMPILER_LAUNCHER env EMSDK_PYTHON=${GUESS_EMSDK_PYTHON})
execute_process(COMMAND node -e "require('acorn')" RESULT_VARIABLE no_acorn OUTPUT_QUIET ERROR_QUIET)
if(no_acorn AND EXISTS /usr/share/nodejs/acorn)
    list(APPEND CMAKE_CXX_COMPILER_LAUNCHER NODE_PATH=/usr/share/nodejs)
endif()
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
