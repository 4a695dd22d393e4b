# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes the desktop entry as it is installed (cmake/Desktop.cmake): it
# starts the program where it is installed, which is known only then, as a
# package installs under /usr whatever prefix the build was given, and the
# program is in the games folder or, the static one, in bin/ (DESTDIR is
# where the install puts what it installs under the prefix). A path
# with a space or a character the entry format reserves is quoted as the
# format asks: escaped for the quotes, then for the string.
#   cmake -D GUESS_SETTINGS=FILE -D PREFIX=INSTALL_PREFIX -P write-desktop-entry.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})
cmake_path(ABSOLUTE_PATH PREFIX NORMALIZE OUTPUT_VARIABLE prefix)
foreach(dir IN ITEMS ${GUESS_INSTALL_BINDIR} ${GUESS_INSTALL_GAMESDIR})  # the last where none is
    set(GUESS_EXEC ${dir}/guess)
    cmake_path(ABSOLUTE_PATH GUESS_EXEC BASE_DIRECTORY "${prefix}" NORMALIZE)
    if(EXISTS "$ENV{DESTDIR}${GUESS_EXEC}")
        break()
    endif()
endforeach()
if(GUESS_EXEC MATCHES "[^-A-Za-z0-9/._+]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${GUESS_EXEC}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    set(GUESS_EXEC "\"${quoted}\"")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/desktop/guess.desktop.in ${PROJECT_BINARY_DIR}/guess.desktop @ONLY)
