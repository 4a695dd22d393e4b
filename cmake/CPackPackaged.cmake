# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack after it has made the packages of one generator. Each is
# taken out of what depends on the builder rather than on the sources
# (scripts/normalise-package.sh); and, where the caller asks for it with
# GUESS_PACKAGES=FILE in the environment, each is recorded in FILE, a line
# each, as the path where CPack puts it. That record is what a build ships:
# the release and the tests read it, and name no package themselves.
include(${CPACK_GUESS_SETTINGS})
set(packages ${CPACK_PACKAGE_FILES})
if(CPACK_GENERATOR STREQUAL "External")
    # Beside what its script made, this generator writes a description of
    # what it staged (NAME.json), which is no package.
    list(FILTER packages EXCLUDE REGEX "/${CPACK_PACKAGE_FILE_NAME}\\.json$")
endif()
foreach(package IN LISTS packages)
    execute_process(COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/normalise-package.sh
        ${package} ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
    if(DEFINED ENV{GUESS_PACKAGES})
        get_filename_component(name ${package} NAME)
        file(APPEND $ENV{GUESS_PACKAGES} "${CPACK_PACKAGE_DIRECTORY}/${name}\n")
    endif()
endforeach()
