# The game in a web page, compiled with Emscripten beside the native one and
# played in headless Chromium through Selenium, from disk and from a web
# server on 127.0.0.1, where the tools are installed.
find_program(GUESS_EMXX em++)
find_program(GUESS_CHROMIUM chromium)
find_program(GUESS_CHROMEDRIVER chromedriver)
# Debian's python3, which has Debian's selenium, even where PATH finds another.
find_program(GUESS_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(GUESS_PYTHON3)
    execute_process(COMMAND ${GUESS_PYTHON3} -c "import selenium" RESULT_VARIABLE no_selenium
        OUTPUT_QUIET ERROR_QUIET)
endif()
set(missing "")
foreach(tool_package GUESS_EMXX:emscripten GUESS_CHROMIUM:chromium GUESS_CHROMEDRIVER:chromium-driver)
    string(REPLACE ":" ";" tool_package ${tool_package})
    list(POP_FRONT tool_package var package)
    if(NOT ${var})
        list(APPEND missing ${package})
    endif()
endforeach()
if(NOT GUESS_PYTHON3 OR no_selenium)
    list(APPEND missing python3-selenium)
endif()
if(missing)
    list(JOIN missing " " missing)
    guess_skip(web.skipped "web tests skipped: not installed: ${missing} (apt-get install ${missing})")
    return()
endif()

set(web_dir ${PROJECT_BINARY_DIR}/web)
guess_cross_build(guess_web emscripten.cmake ${web_dir} ${web_dir}/guess.js)
foreach(how file served)
    add_test(NAME web.${how} COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${web_dir} ${how})
endforeach()
