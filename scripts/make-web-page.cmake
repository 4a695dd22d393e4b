# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Puts the web page together in OUTPUT: the templates of web/ made for its
# version, beside the game's script and the other files of the page. The
# web build runs it (cmake/Web.cmake), and so do the tests, which make the
# next version's page from the same files with -D PROJECT_VERSION=...
#   cmake -D GUESS_SETTINGS=FILE [-D PROJECT_VERSION=VERSION] -D OUTPUT=DIR -P make-web-page.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})

# Another version's page starts afresh, so that none of its files is older
# than the one it replaces: a server then sends them all as changed.
if(NOT OUTPUT STREQUAL PROJECT_BINARY_DIR)
    file(REMOVE_RECURSE ${OUTPUT})
endif()
file(MAKE_DIRECTORY ${OUTPUT})
foreach(file IN LISTS GUESS_PAGE_FILES)
    get_filename_component(name ${file} NAME)
    if(NOT file STREQUAL "${OUTPUT}/${name}")
        file(COPY_FILE ${file} ${OUTPUT}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()

# The worker keeps every file of the page but itself from the start; the
# notices, which few open, once they are opened.
set(names ${GUESS_PAGE_TEMPLATES} ${GUESS_PAGE_FILES})
list(TRANSFORM names REPLACE ".*/" "")
list(REMOVE_ITEM names sw.js THIRD-PARTY-NOTICES.txt)
list(SORT names)
list(JOIN names " " GUESS_PAGE_FILE_LIST)
foreach(template IN LISTS GUESS_PAGE_TEMPLATES)
    configure_file(${PROJECT_SOURCE_DIR}/web/${template}.in ${OUTPUT}/${template} @ONLY)
endforeach()
