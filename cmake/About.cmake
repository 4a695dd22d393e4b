# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What every package, and what is published beside them, says of the game
# and of who makes it: the project reads it (CMakeLists.txt), and so does
# the release's maker of the manifests of Windows' package managers.
#   GUESS_ABOUT        what the game is, in a line: project()'s DESCRIPTION
#   GUESS_SUMMARY      the same as a summary starts it ("one-shot ...")
#   GUESS_DESCRIPTION  what it does, in a few lines
#   GUESS_VENDOR, GUESS_CONTACT, GUESS_COPYRIGHT
set(GUESS_ABOUT "A one-shot number-guessing game for the console")
string(REGEX REPLACE "^A " "" GUESS_SUMMARY "${GUESS_ABOUT}")
string(JOIN "" GUESS_DESCRIPTION
    "The player is asked for a number from 0 to 9, types one, and is told in\n"
    "one line whether it was the winning number. The game then waits for a\n"
    "key and ends. It keeps no state and reads no files or options.")
set(GUESS_VENDOR "The guess developers")
set(GUESS_CONTACT "${GUESS_VENDOR} <guess@users.invalid>")
set(GUESS_COPYRIGHT "Copyright (c) 2026 ${GUESS_VENDOR}. MIT license.")
