# The game in a web page, compiled with Emscripten beside the native one and
# played in headless Chromium through Selenium, from disk and from a web
# server on 127.0.0.1, where the tools are installed.
include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
guess_find_tools(missing em++:emscripten chromium:chromium chromedriver:chromium-driver)
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
foreach(how file served)
    add_test(NAME web.${how} COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} ${how})
endforeach()
