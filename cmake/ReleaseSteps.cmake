# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# How scripts/release.cmake runs its steps, checks the keys it is given
# before it builds anything, and takes the products of a build that has
# them; the order of things is its own.
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

# Takes into RECORD the packages that a build of the `default` preset in
# BUILT packed of PRESET (cmake/Presets.cmake, guess_product_build), of the
# commit whose settings the release has; but where that packaging signs a
# file (GUESS_AUTHENTICODE_SIGNED) and a key is given (PFX), packs them
# again from that build, into WORK/PRESET, signed.
function(guess_take_built work built preset pfx record)
    guess_product_build(${built} ${preset} product)
    if(NOT EXISTS ${product_RECORD})
        message(FATAL_ERROR "${built} holds no packages of ${preset}: build and test the `default` preset there first.")
    endif()
    # The build's own settings, not the release's, which this scope copied.
    set(version ${PROJECT_VERSION})
    set(time ${GUESS_SOURCE_DATE_EPOCH})
    unset(PROJECT_VERSION)
    unset(GUESS_SOURCE_DATE_EPOCH)
    unset(GUESS_AUTHENTICODE_SIGNED)
    include(${product_DIR}/guess-settings.cmake)
    if(NOT PROJECT_VERSION STREQUAL version OR NOT GUESS_SOURCE_DATE_EPOCH STREQUAL time)
        message(FATAL_ERROR "${product_DIR} is a build of another commit (guess ${PROJECT_VERSION} of "
            "${GUESS_SOURCE_DATE_EPOCH}, not ${version} of ${time}): build the `default` preset again.")
    endif()
    if(pfx AND GUESS_AUTHENTICODE_SIGNED)
        guess_release_step(${work} ${work} "${preset}: package, signed" ${CMAKE_COMMAND} -E env GUESS_PACKAGES=${record}
            ${CMAKE_CPACK_COMMAND} --config ${product_DIR}/CPackConfig.cmake -B ${work}/${preset})
    else()
        file(COPY_FILE ${product_RECORD} ${record})
    endif()
endfunction()
