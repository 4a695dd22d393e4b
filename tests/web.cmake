# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The web product (tests/CMakeLists.txt: `preset`, its build `dir` and its
# record of `packages`): the page played through Selenium in each engine,
# headless Chromium and, where its driver is installed, WebKit on a virtual
# screen, from disk and from a web server on 127.0.0.1 (tests/web_test.py);
# and its .zip.
guess_notices_test(${preset}.notices ${dir}/THIRD-PARTY-NOTICES.txt ${dir}/guess.link-trace web)

# The next version's page, made from the same files, which the served page
# must hand over to.
set(next_page ${CMAKE_CURRENT_BINARY_DIR}/${preset}-${GUESS_NEXT_VERSION})
guess_script_command(make_next_page make-web-page.cmake SETTINGS ${dir}/guess-settings.cmake
    DEFINE PROJECT_VERSION=${GUESS_NEXT_VERSION} OUTPUT=${next_page})
add_test(NAME ${preset}.next-page COMMAND ${make_next_page})
set_tests_properties(${preset}.next-page PROPERTIES FIXTURES_SETUP ${preset}-next-page)

# Each engine: its name, what it runs in (the browser, or the virtual
# screen) and its driver, and what a page from disk and a served one cost.
set(engines "chromium ${GUESS_CHROMIUM} ${GUESS_CHROMEDRIVER} 14 22")
guess_require_tools(missing GROUPS TEST_WEBKIT)
if(missing)
    guess_skip(${preset}.webkit-skipped "the page in WebKit skipped: ${missing}")
else()
    list(APPEND engines "webkit ${GUESS_XVFB} ${GUESS_WEBKITWEBDRIVER} 12 14")
endif()
foreach(engine IN LISTS engines)
    separate_arguments(engine)
    list(POP_BACK engine served_cost file_cost)
    list(GET engine 0 name)
    set(test ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${engine} ${dir})
    add_test(NAME ${preset}.${name}-file COMMAND ${test} file)
    add_test(NAME ${preset}.${name}-served COMMAND ${test} served ${next_page} ${GUESS_NEXT_VERSION})
    set_tests_properties(${preset}.${name}-served PROPERTIES FIXTURES_REQUIRED ${preset}-next-page COST ${served_cost})
    set_tests_properties(${preset}.${name}-file PROPERTIES COST ${file_cost})
    set_tests_properties(${preset}.${name}-file ${preset}.${name}-served PROPERTIES LABELS browser)
endforeach()

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
