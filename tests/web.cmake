# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game in a web page, built as the web preset builds it beside the
# native one, and played in headless Chromium through Selenium, from disk
# and from a web server on 127.0.0.1.
guess_product(web product)
guess_find_tools(missing ${product_TOOLS} ${GUESS_TEST_TOOLS_WEB})
if(missing)
    guess_skip(web.skipped "web tests skipped: ${missing}")
    return()
endif()
# Debian's python3, which has Debian's selenium, even where PATH finds another.
find_program(GUESS_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)

set(web_dir ${PROJECT_BINARY_DIR}/web)
guess_product_build(web ${web_dir} ${web_dir}/guess.js)
guess_notices_test(web.notices ${web_dir}/THIRD-PARTY-NOTICES.txt ${web_dir}/guess.link-trace web)
add_test(NAME web.file COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} file)

# The next version's page, made from the same files, which the served page
# must hand over to.
set(next_page ${CMAKE_CURRENT_BINARY_DIR}/web-${GUESS_NEXT_VERSION})
guess_script_command(make_next_page make-web-page.cmake SETTINGS ${web_dir}/guess-settings.cmake
    DEFINE PROJECT_VERSION=${GUESS_NEXT_VERSION} OUTPUT=${next_page})
add_test(NAME web.next-page COMMAND ${make_next_page})
set_tests_properties(web.next-page PROPERTIES FIXTURES_SETUP next-page)
add_test(NAME web.served
    COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} served
        ${next_page} ${GUESS_NEXT_VERSION})
set_tests_properties(web.served PROPERTIES FIXTURES_REQUIRED next-page)
