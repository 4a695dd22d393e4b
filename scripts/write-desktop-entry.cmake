# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes the desktop entry as it is installed (cmake/Posix.cmake): it
# starts the program where it is installed, which is known only then, as a
# package installs under /usr whatever prefix the build was given. A path
# with a space or a character the entry format reserves is quoted as the
# format asks: escaped for the quotes, then for the string.
#   cmake -D GUESS_SETTINGS=FILE -D PREFIX=INSTALL_PREFIX -P write-desktop-entry.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})
cmake_path(ABSOLUTE_PATH PREFIX NORMALIZE OUTPUT_VARIABLE prefix)
set(GUESS_EXEC ${GUESS_INSTALL_GAMESDIR}/guess)
cmake_path(ABSOLUTE_PATH GUESS_EXEC BASE_DIRECTORY "${prefix}" NORMALIZE)
if(GUESS_EXEC MATCHES "[^-A-Za-z0-9/._+]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${GUESS_EXEC}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    set(GUESS_EXEC "\"${quoted}\"")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/desktop/guess.desktop.in ${PROJECT_BINARY_DIR}/guess.desktop @ONLY)
