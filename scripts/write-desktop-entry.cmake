# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes the desktop entry as it is installed (cmake/Desktop.cmake): it
# starts the program where it is installed, which is known only then, as a
# package installs under /usr whatever prefix the build was given, and the
# program is in the first of DIRS (relative to the prefix) that holds it,
# or the last (DESTDIR is where the install puts what it installs under
# the prefix). A path with a space or a character the entry format
# reserves is quoted as the format asks: escaped for the quotes, then for
# the string.
# The install code includes it, with PREFIX (the install's prefix), DIRS
# (DIR;...) and OUTPUT (FILE) set.
cmake_path(ABSOLUTE_PATH PREFIX NORMALIZE OUTPUT_VARIABLE prefix)
foreach(dir IN LISTS DIRS)
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
configure_file(${CMAKE_CURRENT_LIST_DIR}/../packaging/desktop/guess.desktop.in ${OUTPUT} @ONLY)
