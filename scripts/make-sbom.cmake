# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the source SBOM of a release: every file of the sources with its
# checksum, copyright and license, as `reuse spdx` reads them. What reuse
# would stamp on it that is not the sources' (the time it ran, a random
# name, the user) is the commit's instead: its time (SOURCE_DATE_EPOCH), a
# name reckoned from the source tarball, and the project as its creator.
# The release runs it on the sources of the tarball.
#   cmake -D SOURCE=DIR -D TARBALL=FILE -D OUTPUT=FILE -P make-sbom.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
guess_find_program(REUSE reuse reuse)

# In one process: reuse's pool needs POSIX semaphores, which an ordinary
# user cannot make where /dev/shm is root's (a chroot that binds /dev alone).
execute_process(COMMAND ${REUSE} --no-multiprocessing spdx --output ${OUTPUT} WORKING_DIRECTORY ${SOURCE}
    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(name ${TARBALL} NAME)
string(REGEX REPLACE "\\.tar\\.gz$" "" name ${name})
file(SHA256 ${TARBALL} digest)
string(UUID document NAMESPACE ${GUESS_NAMESPACE} NAME "sources ${digest}" TYPE SHA1)
string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
file(READ ${OUTPUT} spdx)
string(REGEX REPLACE "\nDocumentNamespace: [^\n]*" "\nDocumentNamespace: https://spdx.org/spdxdocs/${name}-${document}" spdx "${spdx}")
string(REGEX REPLACE "\nCreated: [^\n]*" "\nCreated: ${created}" spdx "${spdx}")
string(REGEX REPLACE "\nCreator: Person: [^\n]*\nCreator: Organization: [^\n]*"
    "\nCreator: Organization: ${GUESS_VENDOR}" spdx "${spdx}")
file(WRITE ${OUTPUT} "${spdx}")
