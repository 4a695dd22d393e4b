# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Checks EARLIER, a copy of the site as it is published, before a release
# of VERSION is made over it (scripts/release.cmake): as a player's system
# checks a download, SHA256SUMS must carry a good signature by the
# release's key (GUESS_GPG_KEY, in the environment), and every file it lists
# must be as it says; and, as a version once published never changes and
# the newest stays newest, EARLIER may hold no version as new as VERSION.
# Where not, it says why and fails.
#   cmake -D EARLIER=DIR -D VERSION=X.Y.Z -P check-earlier.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
if(NOT GUESS_OPENPGP_KEY)
    message(FATAL_ERROR "EARLIER is checked with the release's key, and GUESS_GPG_KEY names none")
endif()
guess_openpgp_fingerprint(fingerprint)
execute_process(COMMAND ${GUESS_GPG} --batch --status-fd 1 --verify SHA256SUMS.asc SHA256SUMS
    WORKING_DIRECTORY ${EARLIER} OUTPUT_VARIABLE status ERROR_VARIABLE said)
if(NOT status MATCHES "\\[GNUPG:\\] VALIDSIG [^\n]*${fingerprint}")
    message(FATAL_ERROR "${EARLIER}/SHA256SUMS has no good signature by the release's key, ${fingerprint}: "
        "it is no site published with it.\n${said}")
endif()
execute_process(COMMAND sha256sum --check --strict --quiet SHA256SUMS WORKING_DIRECTORY ${EARLIER}
    RESULT_VARIABLE changed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(changed)
    message(FATAL_ERROR "${EARLIER} is not as its SHA256SUMS says it was published:\n${said}")
endif()
file(STRINGS ${EARLIER}/SHA256SUMS files)
set(newest 0)
foreach(file IN LISTS files)
    string(REGEX REPLACE "^[0-9a-f]+  " "" file "${file}")
    if(file MATCHES "${GUESS_VERSIONED}" AND CMAKE_MATCH_1 VERSION_GREATER newest)
        set(newest ${CMAKE_MATCH_1})
    endif()
endforeach()
if(newest VERSION_GREATER VERSION)
    message(FATAL_ERROR "${EARLIER} holds version ${newest}, newer than ${VERSION}: a release over it is newer than "
        "its newest.")
elseif(newest VERSION_EQUAL VERSION)
    message(FATAL_ERROR "${EARLIER} holds version ${VERSION} already, and a version once published never changes: "
        "raise the version (docs/releasing.md).")
endif()
