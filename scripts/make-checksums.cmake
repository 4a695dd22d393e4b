# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes DIST/SHA256SUMS, the checksums of every file in DIST and below it,
# as sha256sum writes them and `sha256sum -c` reads them; and, with
# GUESS_GPG_KEY from the environment, its signature, SHA256SUMS.asc.
#   cmake -D DIST=DIR -P make-checksums.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
file(REMOVE ${DIST}/SHA256SUMS ${DIST}/SHA256SUMS.asc)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${DIST} ${DIST}/*)
list(SORT files)
set(sums "")
foreach(file IN LISTS files)
    file(SHA256 ${DIST}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
endforeach()
file(WRITE ${DIST}/SHA256SUMS "${sums}")
guess_openpgp_sign(${DIST}/SHA256SUMS ${DIST}/SHA256SUMS.asc --armor --detach-sign)
