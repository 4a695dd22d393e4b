# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game in a web page, compiled with Emscripten beside the native one and
# played in headless Chromium through Selenium, from disk and from a web
# server on 127.0.0.1, where the tools are installed.
include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WEB} chromium:chromium chromedriver:chromium-driver)
# Debian's python3, which has Debian's selenium, even where PATH finds another.
find_program(GUESS_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
execute_process(COMMAND ${GUESS_PYTHON3} -c "import selenium" RESULT_VARIABLE no_selenium
    OUTPUT_QUIET ERROR_QUIET)
if(no_selenium)
    string(APPEND missing " python3-selenium")
    string(STRIP "${missing}" missing)
endif()
if(missing)
    guess_skip(web.skipped "web tests skipped: not installed: ${missing} (apt-get install ${missing})")
    return()
endif()

set(web_dir ${PROJECT_BINARY_DIR}/web)
guess_cross_build(guess_web emscripten.cmake ${web_dir} ${web_dir}/guess.js)
guess_notices_test(web.notices ${web_dir}/THIRD-PARTY-NOTICES.txt ${web_dir}/guess.link-trace web)
add_test(NAME web.file COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} file)

# The next version's page, made from the same files, which the served page
# must hand over to.
set(next_page ${CMAKE_CURRENT_BINARY_DIR}/web-${GUESS_NEXT_VERSION})
add_test(NAME web.next-page
    COMMAND ${CMAKE_COMMAND} -D SETTINGS=${web_dir}/page-settings.cmake -D VERSION=${GUESS_NEXT_VERSION}
        -D OUTPUT=${next_page} -P ${PROJECT_SOURCE_DIR}/cmake/web-page.cmake)
set_tests_properties(web.next-page PROPERTIES FIXTURES_SETUP next-page)
add_test(NAME web.served
    COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} served
        ${next_page} ${GUESS_NEXT_VERSION})
set_tests_properties(web.served PROPERTIES FIXTURES_REQUIRED next-page)
