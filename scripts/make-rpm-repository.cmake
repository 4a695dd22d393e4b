# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the RPM repository of a release, rpm/ in DIST, which dnf and zypper
# take each new version from once a player has added it (guess.repo): every
# RPM package in DIST, of every version, as packed, signed where a key was
# given (scripts/pack.sh); and its index, repodata/, dated with the
# commit's time (SOURCE_DATE_EPOCH), with no database that would differ from
# one build to the next. The index's files are named by their hashes, and
# those of the earlier releases stay beside them: a client that read an
# earlier repomd.xml finds what it names. With GUESS_GPG_KEY from the
# environment, the index is signed (repomd.xml.asc), and the key is
# published beside it (repomd.xml.key), where zypper looks for it. What a
# player adds it with goes beside the packages: guess.repo, for dnf's
# /etc/yum.repos.d/ or `zypper addrepo`, which names the release's address
# (cmake/About.cmake).
#   cmake -D DIST=DIR -P make-rpm-repository.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
guess_find_program(CREATEREPO createrepo_c createrepo-c)
set(repository ${DIST}/rpm)
file(GLOB rpms ${DIST}/*.rpm)
file(COPY ${rpms} DESTINATION ${repository})
# The index says each package's time as a file: the commit's, too.
file(GLOB rpms ${repository}/*.rpm)
set(time $ENV{SOURCE_DATE_EPOCH})
execute_process(COMMAND touch -d @${time} ${rpms} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CREATEREPO} --quiet --no-database --retain-old-md 1 --revision ${time}
    --set-timestamp-to-revision ${repository} COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/../packaging/rpm/guess.repo.in ${DIST}/guess.repo @ONLY)
set(repomd ${repository}/repodata/repomd.xml)
guess_openpgp_sign(${repomd} ${repomd}.asc --armor --detach-sign)
guess_openpgp_export(${repomd}.key --armor)
