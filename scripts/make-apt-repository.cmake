# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Debian repository of a release, apt/ in DIST, which apt takes
# each new version from once a player has added it: every Debian package
# that PACKAGES lists (a path a line, as the builds record them), found in
# DIST by its name, the index of each architecture's, and their Release,
# dated with the commit's time, as apt-ftparchive would date it with the
# time it runs. Signed with GUESS_GPG_KEY from the environment, it is what
# apt trusts, and the key's public half goes beside it, in DIST, as
# guess-archive-keyring.gpg, which the other repositories' players trust too.
#   cmake -D GUESS_SETTINGS=FILE -D PACKAGES=FILE -D DIST=DIR -P make-apt-repository.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceDateEpoch.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
guess_need_tools("The Debian repository" APT SIGNED)
set(repository ${DIST}/apt)

file(REMOVE_RECURSE ${repository})
file(MAKE_DIRECTORY ${repository}/pool)
set(architectures "")
file(STRINGS ${PACKAGES} debs REGEX "\\.deb$")
foreach(deb IN LISTS debs)
    get_filename_component(deb ${deb} NAME)
    file(COPY ${DIST}/${deb} DESTINATION ${repository}/pool)
    string(REGEX REPLACE ".*_([^_]+)\\.deb$" "\\1" architecture ${deb})
    list(APPEND architectures ${architecture})
endforeach()
list(REMOVE_DUPLICATES architectures)
list(SORT architectures)
set(dists ${repository}/dists/stable)
foreach(architecture IN LISTS architectures)
    set(index ${dists}/main/binary-${architecture})
    file(MAKE_DIRECTORY ${index})
    execute_process(COMMAND sh -c [["$0" --arch "$1" packages pool >"$2/Packages" && "$3" -9n -c "$2/Packages" >"$2/Packages.gz"]]
            ${GUESS_APT_FTPARCHIVE} ${architecture} ${index} ${GUESS_GZIP}
        WORKING_DIRECTORY ${repository} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

guess_format_time(date "%a, %d %b %Y %H:%M:%S UTC")
list(JOIN architectures " " architectures)
set(field APT::FTPArchive::Release)
execute_process(COMMAND ${GUESS_APT_FTPARCHIVE} -o ${field}::Origin=guess -o ${field}::Label=guess
        -o ${field}::Suite=stable -o ${field}::Codename=stable -o ${field}::Components=main
        -o "${field}::Architectures=${architectures}" -o "${field}::Description=guess ${PROJECT_VERSION}"
        -o "${field}::Date=${date}" release dists/stable
    WORKING_DIRECTORY ${repository} OUTPUT_FILE ${repository}/Release.part COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${repository}/Release.part ${dists}/Release)
guess_openpgp_sign(${dists}/Release ${dists}/InRelease --clearsign)
guess_openpgp_sign(${dists}/Release ${dists}/Release.gpg --armor --detach-sign)
guess_openpgp_export(${DIST}/guess-archive-keyring.gpg)
