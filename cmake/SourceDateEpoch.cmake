# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The time that everything shipped carries instead of the time it was built:
# SOURCE_DATE_EPOCH where the builder sets it; otherwise the last commit's
# time, from git in a checkout, or in a source tarball from
# packaging/commit-time, which `git archive` wrote it into (.gitattributes).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(GUESS_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    set(GUESS_SOURCE_DATE_EPOCH "")
    find_package(Git QUIET)
    if(Git_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE GUESS_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT GUESS_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/commit-time GUESS_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
    endif()
    if(NOT GUESS_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        # Neither a checkout with git nor a tarball of a commit: there is no
        # commit whose bytes to build again.
        string(TIMESTAMP GUESS_SOURCE_DATE_EPOCH "%s" UTC)
        message(STATUS "No commit time (no git, and not a source tarball): packages carry the time they are built")
    endif()
endif()
