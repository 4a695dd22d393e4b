# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# How scripts/release.cmake runs its steps, and checks the keys it is given
# before it builds anything; the order of things is its own.
include(${CMAKE_CURRENT_LIST_DIR}/OpenPGP.cmake)

# Stops unless the keys given in the environment can sign: a PKCS#12 file
# (made absolute for the builds, which run elsewhere), a secret key in the
# keyring.
function(guess_release_keys)
    set(pfx "$ENV{GUESS_AUTHENTICODE_PFX}")
    if(pfx)
        get_filename_component(pfx ${pfx} ABSOLUTE)
        if(NOT EXISTS ${pfx})
            message(FATAL_ERROR "GUESS_AUTHENTICODE_PFX names no file: ${pfx}")
        endif()
        set(ENV{GUESS_AUTHENTICODE_PFX} ${pfx})  # for the builds, which run elsewhere
    endif()
    if(GUESS_OPENPGP_KEY)
        execute_process(COMMAND ${GUESS_GPG} --batch --list-secret-keys ${GUESS_OPENPGP_KEY}
            RESULT_VARIABLE no_key OUTPUT_QUIET ERROR_QUIET)
        if(no_key)
            message(FATAL_ERROR "GUESS_GPG_KEY names no secret key in the keyring: ${GUESS_OPENPGP_KEY}")
        endif()
    endif()
endfunction()

# Runs a step in `dir`, logged in a file of its own in the release's
# temporary folder, `work`; a failure stops the release with the end of the
# log, and keeps the folder.
function(guess_release_step work dir what)
    string(MAKE_C_IDENTIFIER "${what}" log)
    set(log ${work}/logs/${log}.log)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir}
        OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE failed)
    if(failed)
        execute_process(COMMAND tail -n 30 ${log} OUTPUT_VARIABLE lines)
        message(FATAL_ERROR "${what} failed:\n${lines}"
            "The whole log is ${log}; the build is kept in ${work}.")
    endif()
endfunction()

