# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Arch repositories of a release, arch/ARCH/ in DIST, which
# pacman takes each new version from once a player has added them (as
# `Server = .../arch/$arch`): every Arch package in DIST, of every version,
# in the folder of its architecture, and the database of each (guess.db,
# with the list of files, guess.files), which names the newest, as a
# pacman repository names one version of a package; its members are dated
# with the commit's time (SOURCE_DATE_EPOCH). The earlier versions stay, for
# a client whose database is older, and for `pacman -U` of one. With
# GUESS_GPG_KEY from the environment, each package is signed as it is first
# published, and each database (NAME.sig), as pacman asks of a repository
# it trusts.
#   cmake -D DIST=DIR -P make-pacman-repository.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
guess_find_program(REPO_ADD repo-add pacman-package-manager)

file(GLOB databases ${DIST}/arch/*/guess.*)  # made again, of every version
if(databases)
    file(REMOVE ${databases})
endif()
file(GLOB packages RELATIVE ${DIST} ${DIST}/*.pkg.tar.zst)
list(SORT packages COMPARE NATURAL)  # each version after the one before it: the last added is named
foreach(package IN LISTS packages)
    string(REGEX REPLACE ".*-([^-]+)\\.pkg\\.tar\\.[a-z]+$" "\\1" architecture ${package})
    set(repository ${DIST}/arch/${architecture})
    file(COPY ${DIST}/${package} DESTINATION ${repository})
    # Signed before repo-add, which puts the signature in the database.
    if(NOT EXISTS ${repository}/${package}.sig)
        guess_openpgp_sign(${repository}/${package} ${repository}/${package}.sig --detach-sign)
    endif()
    execute_process(COMMAND ${REPO_ADD} --quiet guess.db.tar.gz ${package}
        WORKING_DIRECTORY ${repository} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# repo-add dates the databases' members with the time it runs, and links
# NAME.db to NAME.db.tar.gz: each is written again as the same bytes for
# the same packages, as a file of its own, which any server serves.
file(GLOB repositories LIST_DIRECTORIES true ${DIST}/arch/*)
foreach(repository IN LISTS repositories)
    foreach(database db files)
        set(archive ${repository}/guess.${database})
        file(REMOVE_RECURSE ${archive}.d ${archive} ${archive}.tar.gz.old)
        file(MAKE_DIRECTORY ${archive}.d)
        file(ARCHIVE_EXTRACT INPUT ${archive}.tar.gz DESTINATION ${archive}.d)
        file(GLOB_RECURSE members LIST_DIRECTORIES true RELATIVE ${archive}.d ${archive}.d/*)
        list(SORT members)
        list(JOIN members "\n" members)
        file(WRITE ${archive}.list "${members}\n")
        execute_process(COMMAND find . -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
            WORKING_DIRECTORY ${archive}.d COMMAND_ERROR_IS_FATAL ANY)
        execute_process(
            COMMAND tar --no-recursion --owner=0 --group=0 --numeric-owner --mode=u+rw,go=rX -cf - -T ${archive}.list
            COMMAND gzip -9n WORKING_DIRECTORY ${archive}.d OUTPUT_FILE ${archive} COMMAND_ERROR_IS_FATAL ANY)
        file(REMOVE_RECURSE ${archive}.d ${archive}.tar.gz ${archive}.list)
        guess_openpgp_sign(${archive} ${archive}.sig --detach-sign)
    endforeach()
endforeach()
