# Static checks of the sources and the manual page, as tests.
find_program(GUESS_CLANG_TIDY NAMES clang-tidy clang-tidy-14)
find_program(GUESS_CLANG_FORMAT NAMES clang-format clang-format-14)
find_program(GUESS_GROFF groff)
# clang-tidy reads how the program is compiled from compile_commands.json.
set_target_properties(guess PROPERTIES EXPORT_COMPILE_COMMANDS ON)

file(GLOB formatted CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
    ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h)

foreach(tool GUESS_CLANG_TIDY GUESS_CLANG_FORMAT GUESS_GROFF)
    if(NOT ${tool})
        add_test(NAME lint.${tool}-skipped COMMAND ${CMAKE_COMMAND} -E echo "${tool} not installed: skipped")
        set_tests_properties(lint.${tool}-skipped PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
    endif()
endforeach()

if(GUESS_CLANG_TIDY)
    # The POSIX sources as built here; the Windows one on its own, as it
    # needs nothing from Windows to be read.
    add_test(NAME lint.clang-tidy
        COMMAND ${GUESS_CLANG_TIDY} --quiet -p ${PROJECT_BINARY_DIR}
            ${PROJECT_SOURCE_DIR}/src/main.cpp ${PROJECT_SOURCE_DIR}/src/wait_for_key_posix.cpp)
    add_test(NAME lint.clang-tidy-windows
        COMMAND ${GUESS_CLANG_TIDY} --quiet ${PROJECT_SOURCE_DIR}/src/wait_for_key_windows.cpp
            -- -std=c++17 -I${PROJECT_SOURCE_DIR}/src)
endif()
if(GUESS_CLANG_FORMAT)
    add_test(NAME lint.clang-format COMMAND ${GUESS_CLANG_FORMAT} --dry-run -Werror ${formatted})
endif()
if(GUESS_GROFF)
    # -ww: every warning groff has, and any of them fails the check.
    add_test(NAME lint.manual-page
        COMMAND sh -c "! ${GUESS_GROFF} -man -Tutf8 -ww -z \"$1\" 2>&1 | grep ." - ${PROJECT_BINARY_DIR}/guess.6)
endif()
