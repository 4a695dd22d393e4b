# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the RPM repository of a release, rpm/ in DIST, which dnf and zypper
# take each new version from once a player has added it (guess.repo): every
# RPM package that PACKAGES lists (a path a line, as the builds record
# them), found in DIST by its name; and its index, repodata/, dated with the
# commit's time, with no database that would differ from one build to the
# next. With GUESS_GPG_KEY from the environment, each package is signed in
# DIST first (rpmsign), the index is signed (repomd.xml.asc), and the key is
# published beside it (repomd.xml.key), where zypper looks for it. What a
# player adds it with goes beside the packages: guess.repo, for dnf's
# /etc/yum.repos.d/ or `zypper addrepo` (its address is the README's).
#   cmake -D GUESS_SETTINGS=FILE -D PACKAGES=FILE -D DIST=DIR -P make-rpm-repository.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceDateEpoch.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
guess_need_tools("The RPM repository" RPM_REPOSITORY SIGNED)
set(repository ${DIST}/rpm)
file(REMOVE_RECURSE ${repository})
file(MAKE_DIRECTORY ${repository})
file(STRINGS ${PACKAGES} rpms REGEX "\\.rpm$")
foreach(rpm IN LISTS rpms)
    get_filename_component(rpm ${rpm} NAME)
    if(GUESS_OPENPGP_KEY)
        execute_process(COMMAND ${GUESS_RPMSIGN} --define "__gpg ${GUESS_GPG}" --define "_gpg_name ${GUESS_OPENPGP_KEY}"
            --addsign ${DIST}/${rpm} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(COPY ${DIST}/${rpm} DESTINATION ${repository})
endforeach()
# The index says each package's time as a file: the commit's, too.
file(GLOB rpms ${repository}/*.rpm)
execute_process(COMMAND touch -d @${GUESS_SOURCE_DATE_EPOCH} ${rpms} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GUESS_CREATEREPO} --quiet --no-database --revision ${GUESS_SOURCE_DATE_EPOCH}
        --set-timestamp-to-revision ${repository}
    COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${PROJECT_SOURCE_DIR}/packaging/rpm/guess.repo ${DIST}/guess.repo)
set(repomd ${repository}/repodata/repomd.xml)
guess_openpgp_sign(${repomd} ${repomd}.asc --armor --detach-sign)
guess_openpgp_export(${repomd}.key --armor)
