# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack after it has made the packages: scripts/normalise-package.sh
# takes out of each what depends on the builder rather than on the sources.
include(${CPACK_GUESS_SETTINGS})
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/normalise-package.sh
        ${package} ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
