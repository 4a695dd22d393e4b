# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The packages a release ships of this build (GUESS_PACKAGES), made with
# every build into packages/, which holds nothing else: the release takes
# the folder as it is. Each package is packed once, by the format's own
# tool (scripts/pack.sh), of what the components it holds install under
# the prefix it installs to (scripts/stage.cmake). Where the environment
# gives the keys, pack.sh signs what it packs (docs/releasing.md).
#   guess_package(FORMAT FILE PREFIX COMPONENT... [ARGS ARG...])
# FORMAT is one of pack.sh's, FILE is named in packages/, and ARGS go to
# pack.sh after the staged folder and the package.
set(GUESS_PACKAGES_DIR ${PROJECT_BINARY_DIR}/packages)
set(CMAKE_INSTALL_MESSAGE NEVER)  # a package's list of files is its own
add_custom_target(packages ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${GUESS_PACKAGES_DIR} ${PROJECT_BINARY_DIR}/staging
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GUESS_PACKAGES_DIR})

function(guess_package format file prefix)
    cmake_parse_arguments(PARSE_ARGV 3 arg "" "" ARGS)
    set(staged ${PROJECT_BINARY_DIR}/staging/${file})
    list(JOIN arg_UNPARSED_ARGUMENTS " " components)
    add_custom_command(TARGET packages POST_BUILD
        COMMAND ${CMAKE_COMMAND} -D BUILD=${PROJECT_BINARY_DIR} -D CONFIG=$<CONFIG> -D PREFIX=${prefix}
            -D COMPONENTS=${components} -D STAGED=${staged} -P ${PROJECT_SOURCE_DIR}/scripts/stage.cmake
        COMMAND env SOURCE_DATE_EPOCH=${GUESS_SOURCE_DATE_EPOCH}
            bash ${PROJECT_SOURCE_DIR}/scripts/pack.sh ${format} ${staged} ${GUESS_PACKAGES_DIR}/${file} ${arg_ARGS}
        VERBATIM)
endfunction()
