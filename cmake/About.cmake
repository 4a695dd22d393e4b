# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What every package, and what is published beside them, says of the game
# and of who makes it: the project reads it (CMakeLists.txt), and so do the
# release's scripts.
#   GUESS_ABOUT          what the game is, in a line: project()'s DESCRIPTION
#   GUESS_SUMMARY        the same as a summary starts it ("one-shot ...")
#   GUESS_DESCRIPTION    what it does, in a few lines
#   GUESS_VENDOR, GUESS_CONTACT, GUESS_COPYRIGHT
#   GUESS_NAMESPACE      of the codes (UUIDs) that a name gives: the same
#                        name, the same code
#   GUESS_ADDRESS        where the release is published, ending with /:
#                        GUESS_DOWNLOAD_URL in the environment, or ""
#   GUESS_NAMED_ADDRESS  the same, or, for what must name one, the README's
#                        placeholder
#   GUESS_VERSIONED      what the name of a file of one version matches:
#                        guess-VERSION or guess_VERSION, then - _ or .
#                        (CMAKE_MATCH_1 is the version)
set(GUESS_ABOUT "A one-shot number-guessing game for the console")
string(REGEX REPLACE "^A " "" GUESS_SUMMARY "${GUESS_ABOUT}")
string(JOIN "" GUESS_DESCRIPTION
    "The player is asked for a number from 0 to 9, types one, and is told in\n"
    "one line whether it was the winning number. The game then waits for a\n"
    "key and ends. It keeps no state and reads no files or options.")
set(GUESS_VENDOR "The guess developers")
set(GUESS_CONTACT "${GUESS_VENDOR} <guess@users.invalid>")
set(GUESS_COPYRIGHT "Copyright (c) 2026 ${GUESS_VENDOR}. MIT license.")
set(GUESS_NAMESPACE 0776C023-D584-432D-BAB9-C4305C2ED17C)
string(REGEX REPLACE "([^/])$" "\\1/" GUESS_ADDRESS "$ENV{GUESS_DOWNLOAD_URL}")
set(GUESS_NAMED_ADDRESS ${GUESS_ADDRESS})
if(NOT GUESS_ADDRESS)
    set(GUESS_NAMED_ADDRESS https://example.org/guess/)
endif()
set(GUESS_VERSIONED "^guess[-_]([0-9]+[.][0-9]+[.][0-9]+)[-_.]")
