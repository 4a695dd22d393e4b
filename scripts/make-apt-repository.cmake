# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Debian repository of a release, apt/ in DIST, which apt takes
# each new version from once a player has added it: every Debian package
# in DIST, of every version, the index of each architecture's, and their
# Release, dated with the commit's time (SOURCE_DATE_EPOCH), as
# apt-ftparchive would date it with the time it runs. Each index is also
# kept by its hash, which apt asks for (Acquire-By-Hash), as the indexes of
# every earlier release are where the repository holds them: a client that
# read the Release of either version, at any moment of the upload, finds
# the indexes it names. Signed with GUESS_GPG_KEY from the environment, it
# is what apt trusts, and the key's public half goes beside it, in DIST, as
# guess-archive-keyring.gpg, which the other repositories' players trust too.
#   cmake -D DIST=DIR -D VERSION=X.Y.Z -P make-apt-repository.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
guess_find_program(APT_FTPARCHIVE apt-ftparchive apt-utils)
set(repository ${DIST}/apt)
file(MAKE_DIRECTORY ${repository}/pool)
set(architectures "")
file(GLOB debs RELATIVE ${DIST} ${DIST}/*.deb)
foreach(deb IN LISTS debs)
    file(COPY ${DIST}/${deb} DESTINATION ${repository}/pool)
    string(REGEX REPLACE ".*_([^_]+)\\.deb$" "\\1" architecture ${deb})
    list(APPEND architectures ${architecture})
endforeach()
list(REMOVE_DUPLICATES architectures)
list(SORT architectures)
set(dists ${repository}/dists/stable)
foreach(architecture IN LISTS architectures)
    set(index ${dists}/main/binary-${architecture})
    file(MAKE_DIRECTORY ${index}/by-hash/SHA512)
    execute_process(COMMAND ${APT_FTPARCHIVE} --arch ${architecture} packages pool
        WORKING_DIRECTORY ${repository} OUTPUT_FILE ${index}/Packages COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND gzip -9n -c ${index}/Packages OUTPUT_FILE ${index}/Packages.gz COMMAND_ERROR_IS_FATAL ANY)
    # By the hash apt takes, the strongest that Release lists.
    foreach(file Packages Packages.gz)
        file(SHA512 ${index}/${file} hash)
        file(COPY_FILE ${index}/${file} ${index}/by-hash/SHA512/${hash})
    endforeach()
endforeach()

# Release lists every index in its folder, but an earlier Release.
file(REMOVE ${dists}/Release ${dists}/InRelease ${dists}/Release.gpg)
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S UTC" UTC)
list(JOIN architectures " " architectures)
set(field APT::FTPArchive::Release)
execute_process(COMMAND ${APT_FTPARCHIVE} -o ${field}::Origin=guess -o ${field}::Label=guess
        -o ${field}::Suite=stable -o ${field}::Codename=stable -o ${field}::Components=main
        -o "${field}::Architectures=${architectures}" -o "${field}::Description=guess ${VERSION}"
        -o ${field}::Acquire-By-Hash=yes
        -o "${field}::Date=${date}" release dists/stable
    WORKING_DIRECTORY ${repository} OUTPUT_FILE ${repository}/Release.part COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${repository}/Release.part ${dists}/Release)
guess_openpgp_sign(${dists}/Release ${dists}/InRelease --clearsign)
guess_openpgp_sign(${dists}/Release ${dists}/Release.gpg --armor --detach-sign)
guess_openpgp_export(${DIST}/guess-archive-keyring.gpg)
