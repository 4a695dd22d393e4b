# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The time that everything shipped carries instead of the time it was built,
# GUESS_SOURCE_DATE_EPOCH: SOURCE_DATE_EPOCH where the builder sets it;
# otherwise the last commit's time, from git in a checkout, or in a source
# tarball from packaging/commit-time, which `git archive` wrote it into
# (.gitattributes). A script that has it from a build's settings, or given,
# only formats it.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)

# Sets `var` to that time as string(TIMESTAMP) formats it, in UTC.
function(guess_format_time var format)
    set(given "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
    string(TIMESTAMP value "${format}" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${given}")
    if(given STREQUAL "")
        unset(ENV{SOURCE_DATE_EPOCH})
    endif()
    set(${var} "${value}" PARENT_SCOPE)
endfunction()

if(DEFINED GUESS_SOURCE_DATE_EPOCH)
    return()
endif()
# A new commit is a new time: a build configures itself again, even one
# configured where SOURCE_DATE_EPOCH was set (CPack sets it, and may
# configure the build again before it installs).
if(NOT CMAKE_SCRIPT_MODE_FILE AND EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(GUESS_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
    return()
endif()
set(GUESS_SOURCE_DATE_EPOCH "")
if(EXISTS ${PROJECT_SOURCE_DIR}/.git)
    guess_require_tools(no_git GROUPS SOURCES)
    if(GUESS_GIT)
        execute_process(COMMAND ${GUESS_GIT} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
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
