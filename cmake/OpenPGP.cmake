# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Signing a release's files with OpenPGP, where the environment names a key
# in the caller's keyring (GUESS_GPG_KEY; GNUPGHOME is respected), never a
# file in the tree or a cache: the checksums and the repositories' indexes,
# which the players' package managers verify with the key's public half.
# Without a key, nothing is signed, and the release says so.
#   GUESS_OPENPGP_KEY                    the key, or ""
#   guess_openpgp_sign(FILE OUTPUT HOW...)  OUTPUT, FILE signed as gpg's
#                                        options HOW say (--detach-sign,
#                                        --clearsign, --armor)
#   guess_openpgp_export(OUTPUT HOW...)  the key's public half
#   guess_openpgp_fingerprint(VARIABLE)  the key's fingerprint
include_guard(GLOBAL)
set(GUESS_OPENPGP_KEY "$ENV{GUESS_GPG_KEY}")
if(GUESS_OPENPGP_KEY)
    include(${CMAKE_CURRENT_LIST_DIR}/Tool.cmake)
    guess_find_program(GUESS_GPG gpg gnupg)
endif()

function(guess_openpgp_sign file output)
    if(GUESS_OPENPGP_KEY)
        execute_process(COMMAND ${GUESS_GPG} --batch --yes --local-user ${GUESS_OPENPGP_KEY} ${ARGN}
            --output ${output} ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endfunction()

function(guess_openpgp_export output)
    if(GUESS_OPENPGP_KEY)
        execute_process(COMMAND ${GUESS_GPG} --batch ${ARGN} --export ${GUESS_OPENPGP_KEY}
            OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endfunction()

function(guess_openpgp_fingerprint variable)
    execute_process(COMMAND ${GUESS_GPG} --batch --with-colons --fingerprint ${GUESS_OPENPGP_KEY}
        OUTPUT_VARIABLE keys COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "\nfpr:+([0-9A-F]+):" found "${keys}")
    set(${variable} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
