# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Windows program and its packages, built as the windows preset builds
# them beside the native one, and tested under Wine: the program by the same
# test programs, the .zip and the installer as a player gets them.
guess_product(windows product)
guess_find_tools(missing ${product_TOOLS} ${GUESS_TEST_TOOLS_WINDOWS})
if(missing)
    guess_skip(windows.skipped "Windows tests skipped: ${missing}")
    return()
endif()

set(windows_dir ${PROJECT_BINARY_DIR}/windows)
set(windows_exe ${windows_dir}/guess.exe)
guess_product_build(windows ${windows_dir} ${windows_exe})

# A Wine prefix of the tests' own, in the build tree, with a lasting
# wineserver for as long as the tests run.
set(wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${PROJECT_BINARY_DIR}/wineprefix)
add_test(NAME windows.wine-start COMMAND ${wine} start)
add_test(NAME windows.wine-stop COMMAND ${wine} stop)
set_tests_properties(windows.wine-start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(windows.wine-stop PROPERTIES FIXTURES_CLEANUP wine)
set(launcher ${wine} run)
list(TRANSFORM launcher PREPEND --launcher=)
guess_play(windows SUITES game wine_console
    ARGS --program=${windows_exe} ${launcher} --eol=crlf
    PROPERTIES FIXTURES_REQUIRED wine)

guess_notices_test(windows.notices ${windows_dir}/THIRD-PARTY-NOTICES.txt ${windows_dir}/guess.link-trace windows)
add_test(NAME windows.executable
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.sh ${windows_exe}
        ${GUESS_X86_64_W64_MINGW32_OBJDUMP} ${GUESS_LLVM_READOBJ} ${GUESS_WRESTOOL} ${GUESS_ICOTOOL})

# The installer of the next version, made from the same files, for the
# upgrade; then the packages, the installer in a fresh Wine prefix of its own.
set(newer_msi ${CMAKE_CURRENT_BINARY_DIR}/guess-${GUESS_NEXT_VERSION}.msi)
guess_script_command(make_newer_msi make-msi.cmake SETTINGS ${windows_dir}/guess-settings.cmake
    DEFINE PROJECT_VERSION=${GUESS_NEXT_VERSION} OUTPUT=${newer_msi})
add_test(NAME windows.newer-installer COMMAND ${make_newer_msi})
set_tests_properties(windows.newer-installer PROPERTIES FIXTURES_SETUP newer-msi)
add_test(NAME windows.packages
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages.sh ${windows_dir} ${CMAKE_CPACK_COMMAND}
        ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${CMAKE_CURRENT_BINARY_DIR}/installer-wineprefix ${newer_msi})
set_tests_properties(windows.packages PROPERTIES FIXTURES_REQUIRED newer-msi)
