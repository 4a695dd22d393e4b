# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack after it has made the packages: packaging/normalise.sh takes
# out of each what depends on the builder rather than on the sources.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND sh ${CPACK_GUESS_SOURCE_DIR}/packaging/normalise.sh
        ${package} ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
