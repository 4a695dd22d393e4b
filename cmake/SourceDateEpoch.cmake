# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The time that everything shipped carries instead of the time it was built,
# GUESS_SOURCE_DATE_EPOCH: SOURCE_DATE_EPOCH where the builder sets it;
# otherwise the last commit's time, from git in a checkout, or in a source
# tarball from packaging/commit-time, which `git archive` wrote it into
# (.gitattributes). A script includes it with PROJECT_SOURCE_DIR set to the
# sources whose time it wants.
include_guard(GLOBAL)

# A new commit is a new time: a build configures itself again.
if(NOT CMAKE_SCRIPT_MODE_FILE AND EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
endif()
set(GUESS_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(GUESS_SOURCE_DATE_EPOCH STREQUAL "" AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    find_program(GUESS_GIT git)
    if(GUESS_GIT)
        execute_process(COMMAND ${GUESS_GIT} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE GUESS_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
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
