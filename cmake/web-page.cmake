# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Puts the web page together in OUTPUT: its own files from web/, made for
# VERSION, beside the game's script and the files the build made. The web
# build runs it (cmake/Web.cmake), and so do the tests, which make the next
# version's page from the same files.
#   cmake -D SETTINGS=page-settings.cmake [-D VERSION=1.0.1] -D OUTPUT=DIR
#         -P web-page.cmake
# SETTINGS, written by the web build, names the sources, the page's own files
# in web/ (TEMPLATES), the files to copy, the version (unless given) and the
# description.
include(${SETTINGS})
set(PROJECT_VERSION ${VERSION})
set(PROJECT_DESCRIPTION ${DESCRIPTION})

# Another version's page starts afresh, so that none of its files is older
# than the one it replaces: a server then sends them all as changed.
get_filename_component(built ${SETTINGS} DIRECTORY)
if(NOT OUTPUT STREQUAL built)
    file(REMOVE_RECURSE ${OUTPUT})
endif()
file(MAKE_DIRECTORY ${OUTPUT})
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    if(NOT file STREQUAL "${OUTPUT}/${name}")
        file(COPY_FILE ${file} ${OUTPUT}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()

# The worker keeps every file of the page but itself.
set(names ${TEMPLATES} ${FILES})
list(TRANSFORM names REPLACE ".*/" "")
list(REMOVE_ITEM names sw.js)
list(SORT names)
list(TRANSFORM names REPLACE "(.+)" "'\\1'")
list(JOIN names ", " GUESS_PAGE_FILE_LIST)
foreach(template IN LISTS TEMPLATES)
    configure_file(${SOURCE_DIR}/web/${template} ${OUTPUT}/${template} @ONLY)
endforeach()
