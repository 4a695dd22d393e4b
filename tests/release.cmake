# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A release's parts, each script of scripts/ run alone on what this build's
# products shipped (tests/CMakeLists.txt), with throwaway keys
# (tests/keys.sh); and a whole release (scripts/release.cmake), which builds
# every product again from the source tarball, labelled `release`
# (`ctest --preset release` runs it alone); .ci/reproducible makes it again
# to compare.
guess_require_tools(missing GROUPS RELEASE SBOM APT RPM_REPOSITORY PACMAN_REPOSITORY MANIFESTS AUTHENTICODE GPG
    TEST_RELEASE)
if(missing)
    guess_skip(release.skipped "release tests skipped: ${missing}")
    return()
endif()
if(NOT GUESS_PRODUCT_TESTS)
    guess_skip(release.skipped "release tests skipped: they take the products that the product tests build")
    return()
endif()
# Everything the products shipped, in one list.
set(shipped ${CMAKE_CURRENT_BINARY_DIR}/shipped)
add_test(NAME dist.shipped COMMAND sh -c [[out=$1; shift; cat "$@" >"$out"]] - ${shipped} ${GUESS_PACKAGE_RECORDS})
set_tests_properties(dist.shipped PROPERTIES FIXTURES_REQUIRED "${GUESS_PACKAGE_FIXTURES}" FIXTURES_SETUP shipped)

add_test(NAME dist.checksums COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/checksums.sh ${CMAKE_COMMAND}
    ${PROJECT_SOURCE_DIR}/scripts/make-checksums.cmake ${shipped})
add_test(NAME dist.apt-repository COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/apt_repository.sh ${CMAKE_COMMAND}
    ${PROJECT_SOURCE_DIR}/scripts/make-apt-repository.cmake ${GUESS_SETTINGS_FILE} ${shipped} ${GUESS_SOURCE_DATE_EPOCH})
set_tests_properties(dist.checksums dist.apt-repository PROPERTIES FIXTURES_REQUIRED shipped)
# Those a player installs from with dnf, zypper and pacman, for this
# machine's product, with its next version made from the same build.
if(GUESS_NATIVE_PRODUCT)
    foreach(repository rpm pacman)
        add_test(NAME dist.${repository}-repository COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/${repository}_repository.sh
            ${CMAKE_COMMAND} ${PROJECT_SOURCE_DIR}/scripts/make-${repository}-repository.cmake ${GUESS_SETTINGS_FILE}
            ${shipped} ${GUESS_SOURCE_DATE_EPOCH} ${CMAKE_CPACK_COMMAND} ${GUESS_NATIVE_PRODUCT} ${GUESS_NEXT_VERSION})
        set_tests_properties(dist.${repository}-repository PROPERTIES FIXTURES_REQUIRED shipped)
    endforeach()
else()
    guess_skip(dist.skipped "the repositories' installs skipped: no product is for this machine")
endif()
if(TARGET guess_windows)
    add_test(NAME dist.manifests COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/manifests_test.py ${CMAKE_COMMAND}
        ${PROJECT_SOURCE_DIR}/scripts/make-manifests.cmake ${GUESS_SETTINGS_FILE} ${shipped} ${GUESS_MSIINFO}
        ${PROJECT_VERSION} ${GUESS_SOURCE_DATE_EPOCH} ${GUESS_VENDOR})
    set_tests_properties(dist.manifests PROPERTIES FIXTURES_REQUIRED shipped)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/.git)
    add_test(NAME dist.sbom COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/sbom.sh ${CMAKE_COMMAND}
        ${PROJECT_SOURCE_DIR}/scripts/make-sbom.cmake ${PROJECT_SOURCE_DIR} ${GUESS_SOURCE_DATE_EPOCH})

    # The release, of the sources as they are; what it ships is compared
    # with what the products shipped here, as it is built of the same files.
    add_test(NAME release COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release.sh ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND}
        ${CMAKE_CURRENT_BINARY_DIR}/release ${shipped})
    set_tests_properties(release PROPERTIES LABELS release TIMEOUT 1800 FIXTURES_REQUIRED shipped)
else()
    guess_skip(release.skipped "the release tests skipped: a release is made of a commit, and these sources are no git checkout")
endif()
