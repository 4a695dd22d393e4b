# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Checks of the sources, the shell scripts, the manual page and the
# licenses, as tests (GUESS_LINT); and of the scripts that pack what ships,
# with tools that fail.
guess_find_program(GUESS_CLANG_TIDY clang-tidy clang-tidy)
guess_find_program(GUESS_SHELLCHECK shellcheck shellcheck)
guess_find_program(GUESS_CLANG_FORMAT clang-format clang-format)
guess_find_program(GUESS_GROFF groff groff-base)
guess_find_program(GUESS_REUSE reuse reuse)
guess_find_program(GUESS_EMXX em++ emscripten)
# clang-tidy reads how the program is compiled from compile_commands.json.
set_target_properties(guess PROPERTIES EXPORT_COMPILE_COMMANDS ON)

# The POSIX sources as built here, but for GCC's flags of link-time
# optimisation, which clang ignores; the Windows one on its own, as it
# needs nothing from Windows to be read; the web one as Emscripten compiles it.
add_test(NAME lint.clang-tidy
    COMMAND ${GUESS_CLANG_TIDY} --quiet -p ${PROJECT_BINARY_DIR} --extra-arg=-Wno-ignored-optimization-argument
        ${PROJECT_SOURCE_DIR}/src/main.cpp ${PROJECT_SOURCE_DIR}/src/wait_for_key_posix.cpp)
add_test(NAME lint.clang-tidy-windows
    COMMAND ${GUESS_CLANG_TIDY} --quiet ${PROJECT_SOURCE_DIR}/src/wait_for_key_windows.cpp
        -- -std=c++17 -I${PROJECT_SOURCE_DIR}/src)
execute_process(COMMAND ${GUESS_EMXX} --cflags OUTPUT_VARIABLE web_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(web_flags UNIX_COMMAND "${web_flags}")
add_test(NAME lint.clang-tidy-web
    COMMAND ${GUESS_CLANG_TIDY} --quiet ${PROJECT_SOURCE_DIR}/src/web_console.cpp
        -- -std=c++17 -I${PROJECT_SOURCE_DIR}/src ${web_flags})

file(GLOB formatted CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
    ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h)
add_test(NAME lint.clang-format COMMAND ${GUESS_CLANG_FORMAT} --dry-run -Werror ${formatted})
# Every shell script, in the language its first line names (install.sh's
# template as the POSIX sh that players pipe it to), with the files it
# sources, found from its own folder.
file(GLOB shell CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.ci/run ${PROJECT_SOURCE_DIR}/scripts/*.sh
    ${PROJECT_SOURCE_DIR}/tests/*.sh ${PROJECT_SOURCE_DIR}/web/site/*.sh.in)
add_test(NAME lint.shellcheck COMMAND ${GUESS_SHELLCHECK} --external-sources --source-path=SCRIPTDIR
    --severity=warning ${shell})
# -ww: every warning groff has, and any of them fails the check.
add_test(NAME lint.manual-page
    COMMAND sh -c [[! "$0" -man -Tutf8 -ww -z "$1" 2>&1 | grep .]] ${GUESS_GROFF} ${PROJECT_BINARY_DIR}/guess.6)

# Every file says whose it is and under which license (REUSE): in its own
# words where it takes a comment, in .reuse/dep5 where it does not. reuse
# reads which files are the project's from git, and would take the build
# trees for sources too without it.
if(EXISTS ${PROJECT_SOURCE_DIR}/.git)
    add_test(NAME lint.reuse COMMAND ${GUESS_REUSE} --root ${PROJECT_SOURCE_DIR} lint)
else()
    message(STATUS "These sources are no git checkout: reuse does not check every file's license")
endif()

add_test(NAME lint.failing-tools COMMAND ${CMAKE_CURRENT_LIST_DIR}/failing_tools.sh ${PROJECT_SOURCE_DIR}/scripts)
