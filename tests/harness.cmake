# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The test programs that play the game, through pipes (game_test.cpp), at a
# POSIX terminal (terminal_test.cpp) and at Wine's console
# (wine_console_test.cpp), each told which program to play and how to
# start it (tests/main.cpp); the plain build and the checks of a release
# (tests/release/) play with them.
#   guess_play(PREFIX SUITES suite... ARGS arg... LABEL label [PROPERTIES ...])
# makes a test, PREFIX.SUITE, of each suite, which plays every case of it
# with ARGS, in one start of the test program.
find_package(GTest)
if(NOT GTest_FOUND)
    message(FATAL_ERROR "GoogleTest not found, with which the tests play the game: it is in the Debian package libgtest-dev")
endif()
add_library(guess_test_main OBJECT ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${CMAKE_CURRENT_LIST_DIR}/run_game.cpp)
target_compile_features(guess_test_main PUBLIC cxx_std_17)
target_link_libraries(guess_test_main PUBLIC GTest::gtest)

function(guess_play prefix)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "LABEL" "SUITES;ARGS;PROPERTIES")
    foreach(suite IN LISTS arg_SUITES)
        if(NOT TARGET ${suite}_tests)
            add_executable(${suite}_tests ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${suite}_test.cpp)
            target_compile_options(${suite}_tests PRIVATE -Wall -Wextra -Wpedantic)
            # openpty and login_tty live in libutil on Linux and the BSDs.
            target_link_libraries(${suite}_tests PRIVATE guess_test_main util)
        endif()
        add_test(NAME ${prefix}.${suite} COMMAND ${suite}_tests ${arg_ARGS})
        set_tests_properties(${prefix}.${suite} PROPERTIES LABELS ${arg_LABEL} ${arg_PROPERTIES})
    endforeach()
endfunction()
