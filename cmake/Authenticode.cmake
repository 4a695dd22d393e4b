# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Signing a Windows file (a program or an installer) with Authenticode,
# where a key is given in the environment, never in the tree or a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file with a code-signing certificate
#   GUESS_AUTHENTICODE_PASSWORD  its password
# The packaging of a Windows build signs with it (cmake/CPackSign.cmake,
# scripts/make-msi.cmake), so that every package holds the signed program.
# The signature carries the commit's time, as everything else shipped does:
# the same key signs the same files to the same bytes. (Windows trusts only
# a timestamp countersignature's time, which needs a timestamping service.)
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)

# Signs FILE in place, SHA-256. The password goes from the environment to
# osslsigncode's standard input, not onto a command line, where anyone
# could read it.
function(guess_authenticode_sign file)
    if("$ENV{GUESS_AUTHENTICODE_PFX}" STREQUAL "")
        return()
    endif()
    guess_need_tools("A signed Windows file (GUESS_AUTHENTICODE_PFX is set)" AUTHENTICODE)
    execute_process(COMMAND sh -c [[printf '%s' "$GUESS_AUTHENTICODE_PASSWORD" |
        "$0" sign -pkcs12 "$GUESS_AUTHENTICODE_PFX" -readpass /dev/stdin -h sha256 -n guess -time "$2" \
            -in "$1" -out "$1.signed" >/dev/null && mv "$1.signed" "$1"]] ${GUESS_OSSLSIGNCODE} ${file} ${GUESS_SOURCE_DATE_EPOCH}
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()
