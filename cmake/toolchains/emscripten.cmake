# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Compiles for the web with Emscripten: its own toolchain file, found where
# em-config says Emscripten lives.
include(${CMAKE_CURRENT_LIST_DIR}/../Tool.cmake)
guess_find_program(GUESS_EM_CONFIG em-config emscripten)
execute_process(COMMAND ${GUESS_EM_CONFIG} EMSCRIPTEN_ROOT
    OUTPUT_VARIABLE GUESS_EMSCRIPTEN_ROOT OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include(${GUESS_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# Emscripten's optimiser runs on Node.js and needs its acorn module, which
# Debian keeps in /usr/share/nodejs. Debian's own node looks there; another
# node is told where it is for the link.
execute_process(COMMAND node -e "require('acorn')" RESULT_VARIABLE no_acorn OUTPUT_QUIET ERROR_QUIET)
if(no_acorn AND EXISTS /usr/share/nodejs/acorn)
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()
