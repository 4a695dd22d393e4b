# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A whole release, made with throwaway keys (tests/keys.sh) of the products
# this build built, packed and tested (scripts/release.cmake -D BUILT),
# labelled `release` (`ctest --preset release` runs it and what it takes);
# and its parts, each checked where the release has them: the SBOM, the
# repositories, as apt, dnf, zypper and pacman take them, and the manifests.
# .ci/reproducible makes it again from its source tarball, to compare.
guess_require_tools(missing GROUPS RELEASE SBOM APT RPM_REPOSITORY PACMAN_REPOSITORY MANIFESTS AUTHENTICODE GPG
    TEST_RELEASE)
if(missing)
    guess_skip(release.skipped "release tests skipped: ${missing}")
    return()
elseif(NOT GUESS_PRODUCT_TESTS OR GUESS_SKIPPED_PRODUCTS)
    guess_skip(release.skipped "release tests skipped: a release takes every product, which the product tests build")
    return()
elseif(NOT EXISTS ${PROJECT_SOURCE_DIR}/.git)
    guess_skip(release.skipped "the release tests skipped: a release is made of a commit, and these sources are no git checkout")
    return()
endif()
# Everything the products shipped, in one list.
set(shipped ${CMAKE_CURRENT_BINARY_DIR}/shipped)
add_test(NAME dist.shipped COMMAND sh -c [[out=$1; shift; cat "$@" >"$out"]] - ${shipped} ${GUESS_PACKAGE_RECORDS})
set_tests_properties(dist.shipped PROPERTIES FIXTURES_REQUIRED "${GUESS_PACKAGE_FIXTURES}" FIXTURES_SETUP shipped)

# The release, of the sources as they are, in `release`/dist with its keys
# in `release`/keys; it ships what the products shipped here.
set(release ${CMAKE_CURRENT_BINARY_DIR}/release)
add_test(NAME release COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release.sh ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND}
    ${release} ${shipped} ${PROJECT_BINARY_DIR})
set_tests_properties(release PROPERTIES FIXTURES_REQUIRED shipped FIXTURES_SETUP release)

add_test(NAME dist.sbom COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/sbom.sh ${CMAKE_COMMAND}
    ${PROJECT_SOURCE_DIR}/scripts/make-sbom.cmake ${release})
add_test(NAME dist.apt-repository COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/apt_repository.sh ${release} ${shipped}
    ${GUESS_SOURCE_DATE_EPOCH})
add_test(NAME dist.manifests COMMAND ${GUESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/manifests_test.py ${release}
    ${CMAKE_CURRENT_SOURCE_DIR}/keys.sh ${CMAKE_COMMAND} ${PROJECT_SOURCE_DIR}/scripts/make-manifests.cmake
    ${GUESS_SETTINGS_FILE} ${shipped} ${GUESS_MSIINFO} ${PROJECT_VERSION} ${GUESS_SOURCE_DATE_EPOCH})
set(parts dist.sbom dist.apt-repository dist.manifests)
# Those a player installs from with dnf, zypper and pacman, for this
# machine's product, with its next version made from the same build.
if(GUESS_NATIVE_PRODUCT)
    foreach(repository rpm pacman)
        add_test(NAME dist.${repository}-repository COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/${repository}_repository.sh
            ${release} ${shipped} ${GUESS_SOURCE_DATE_EPOCH} ${CMAKE_COMMAND}
            ${PROJECT_SOURCE_DIR}/scripts/make-${repository}-repository.cmake ${GUESS_SETTINGS_FILE}
            ${CMAKE_CPACK_COMMAND} ${GUESS_NATIVE_PRODUCT} ${GUESS_NEXT_VERSION})
        list(APPEND parts dist.${repository}-repository)
    endforeach()
else()
    guess_skip(dist.skipped "the repositories' installs skipped: no product is for this machine")
endif()
set_tests_properties(${parts} PROPERTIES FIXTURES_REQUIRED release)
if(GUESS_NATIVE_PRODUCT)
    set_tests_properties(dist.rpm-repository dist.pacman-repository PROPERTIES COST 9)
endif()
set_tests_properties(dist.shipped release ${parts} PROPERTIES LABELS release)
