# The time that everything shipped carries instead of the time it was built:
# SOURCE_DATE_EPOCH where the builder sets it, otherwise the last commit's
# time, and outside a git checkout the day of the first release.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(GUESS_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    set(GUESS_SOURCE_DATE_EPOCH 1796601600)  # 2026-12-07
    find_package(Git QUIET)
    if(Git_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(commit_time MATCHES "^[0-9]+$")
            set(GUESS_SOURCE_DATE_EPOCH ${commit_time})
        endif()
    endif()
endif()
