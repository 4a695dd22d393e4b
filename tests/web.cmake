# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The web product (tests/CMakeLists.txt: `preset`, its build `dir` and its
# record of `packages`): the page played in headless Chromium through
# Selenium, from disk and from a web server on 127.0.0.1; and its .zip.
set(browser ${GUESS_CHROMIUM} ${GUESS_CHROMEDRIVER})
guess_notices_test(${preset}.notices ${dir}/THIRD-PARTY-NOTICES.txt ${dir}/guess.link-trace web)
add_test(NAME ${preset}.file COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${browser} ${dir} file)

# The next version's page, made from the same files, which the served page
# must hand over to.
set(next_page ${CMAKE_CURRENT_BINARY_DIR}/${preset}-${GUESS_NEXT_VERSION})
guess_script_command(make_next_page make-web-page.cmake SETTINGS ${dir}/guess-settings.cmake
    DEFINE PROJECT_VERSION=${GUESS_NEXT_VERSION} OUTPUT=${next_page})
add_test(NAME ${preset}.next-page COMMAND ${make_next_page})
set_tests_properties(${preset}.next-page PROPERTIES FIXTURES_SETUP ${preset}-next-page)
add_test(NAME ${preset}.served
    COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${browser} ${dir} served
        ${next_page} ${GUESS_NEXT_VERSION})
set_tests_properties(${preset}.served PROPERTIES FIXTURES_REQUIRED ${preset}-next-page COST 22)
set_tests_properties(${preset}.file PROPERTIES COST 14)
set_tests_properties(${preset}.file ${preset}.served PROPERTIES LABELS browser)

# The .zip holds the page as it is served, with its notices, and a README
# for the player who unpacks it.
add_test(NAME ${preset}.packages
    COMMAND sh -c [[zip=$(grep '\.zip$' "$1") && test "$(echo "$zip" | wc -l)" = 1 &&
        "$2" -Z1 "$zip" | sed 's|^[^/]*/||' | grep -qx THIRD-PARTY-NOTICES.txt &&
        "$2" -Z1 "$zip" | sed 's|^[^/]*/||' | grep -qx README.txt &&
        for file in "$3"/*.html "$3"/*.js "$3"/*.webmanifest; do
            "$2" -p "$zip" "*/${file##*/}" | cmp -s - "$file" || { echo "FAILED: $file"; exit 1; }
        done]] - ${packages} ${GUESS_UNZIP} ${dir})
set_tests_properties(${preset}.packages PROPERTIES FIXTURES_REQUIRED ${preset}-packages)
