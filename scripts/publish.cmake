# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes DIST, which holds the packages of a release of VERSION, the website
# that publishes them. With EARLIER, a copy of the site as it is published
# (which the release has checked), every file of it comes too, at its
# address, byte for byte: every earlier version's downloads, and what the
# indexes that a client read before this release name. The checksums and
# play/ are the new release's alone, and the indexes are made again of every
# version: the manifests of Windows' package managers (of VERSION), the
# repositories, and the page; then the checksums of it all, signed where a
# key is given. The release runs it on the packages it made; the tests, on
# the next version's.
#   cmake -D DIST=DIR -D VERSION=X.Y.Z [-D EARLIER=DIR] -P publish.cmake
cmake_minimum_required(VERSION 3.25)
if(EARLIER)
    file(STRINGS ${EARLIER}/SHA256SUMS files)
    list(TRANSFORM files REPLACE "^[0-9a-f]+  " "")
    list(FILTER files EXCLUDE REGEX "^(SHA256SUMS|play/)")
    foreach(file IN LISTS files)
        get_filename_component(folder ${DIST}/${file} DIRECTORY)
        file(COPY ${EARLIER}/${file} DESTINATION ${folder})
    endforeach()
endif()
foreach(maker manifests apt-repository rpm-repository pacman-repository site checksums)
    set(arguments -D DIST=${DIST})
    if(maker MATCHES "^(manifests|apt-repository|site)$")  # of this version
        list(APPEND arguments -D VERSION=${VERSION})
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} ${arguments} -P ${CMAKE_CURRENT_LIST_DIR}/make-${maker}.cmake
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
