# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Windows product (tests/CMakeLists.txt: `preset`, its build `dir` and
# its record of `packages`), tested under Wine: the program by the same test
# programs as the native one, the .zip and the installer as a player gets
# them.
set(exe ${dir}/guess.exe)

# A Wine prefix of the tests' own, in the build tree, with a lasting
# wineserver for as long as the tests run.
set(wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${PROJECT_BINARY_DIR}/wineprefix)
add_test(NAME ${preset}.wine-start COMMAND ${wine} start)
add_test(NAME ${preset}.wine-stop COMMAND ${wine} stop)
set_tests_properties(${preset}.wine-start PROPERTIES FIXTURES_SETUP wine COST 12)
set_tests_properties(${preset}.wine-stop PROPERTIES FIXTURES_CLEANUP wine)
set(launcher ${wine} run)
list(TRANSFORM launcher PREPEND --launcher=)
guess_play(${preset} SUITES game wine_console LABEL wine
    ARGS --program=${exe} ${launcher} --eol=crlf
    PROPERTIES FIXTURES_REQUIRED wine)

guess_notices_test(${preset}.notices ${dir}/THIRD-PARTY-NOTICES.txt ${dir}/guess.link-trace windows)
add_test(NAME ${preset}.executable
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.sh ${exe}
        ${GUESS_OBJDUMP} ${GUESS_LLVM_READOBJ} ${GUESS_WRESTOOL} ${GUESS_ICOTOOL})

# The installer of the next version, made from the same files, for the
# upgrade; then the packages, the installer in a fresh Wine prefix of its own.
set(newer_dir ${CMAKE_CURRENT_BINARY_DIR}/${preset}-${GUESS_NEXT_VERSION})
add_test(NAME ${preset}.newer-installer
    COMMAND sh -c [[rm -rf "$3" && mkdir -p "$3" && cd "$3" &&
        GUESS_PACKAGES="$3/packages" "$1" --config "$2/CPackConfig.cmake" -G External -D CPACK_PACKAGE_VERSION="$4" -B "$3" >/dev/null]]
        - ${CMAKE_CPACK_COMMAND} ${dir} ${newer_dir} ${GUESS_NEXT_VERSION})
set_tests_properties(${preset}.newer-installer PROPERTIES FIXTURES_SETUP ${preset}-newer)
add_test(NAME ${preset}.packages
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages.sh ${exe} ${packages} ${newer_dir}/packages
        ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${CMAKE_CURRENT_BINARY_DIR}/installer-wineprefix)
set_tests_properties(${preset}.packages PROPERTIES FIXTURES_REQUIRED "${preset}-packages;${preset}-newer" COST 11)
set_tests_properties(${preset}.wine-start ${preset}.wine-stop ${preset}.packages PROPERTIES LABELS wine)
