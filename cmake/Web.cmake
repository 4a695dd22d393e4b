# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game as a web page: the program compiled to WebAssembly, inlined in
# one script (guess.js) so that the page also works opened from disk, where
# a browser fetches nothing beside it; the page around it (web/); and, for a
# served page, what makes it an app: its manifest, its worker and its icons.
include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WEB})
if(missing)
    message(FATAL_ERROR "The web page and its .zip are made with tools that are not installed: ${missing} (apt-get install ${missing})")
endif()
include(${PROJECT_SOURCE_DIR}/cmake/Icons.cmake)
include(${PROJECT_SOURCE_DIR}/cmake/Notices.cmake)

# A home screen cuts an icon marked "maskable" to a shape of its own (a
# circle, a rounded square): the die, drawn smaller on a full background,
# stays inside the circle of 80% that every shape keeps.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/guess.svg)
file(READ src/guess.svg icon)
string(REGEX MATCH "<svg[^>]*>(.*)</svg>" icon "${icon}")
file(CONFIGURE OUTPUT guess-maskable.svg CONTENT [[
<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 256 256">
  <rect width="256" height="256" fill="#1d2a36"/>
  <g transform="translate(46.08 46.08) scale(0.64)">${CMAKE_MATCH_1}</g>
</svg>
]])

# What the page is made of: the game, the icons, and the license, put
# together with the page's own files by cmake/web-page.cmake.
set(web_icons ${PROJECT_BINARY_DIR}/guess-192.png ${PROJECT_BINARY_DIR}/guess-512.png
    ${PROJECT_BINARY_DIR}/guess-maskable.png)
guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg 192 ${PROJECT_BINARY_DIR}/guess-192.png)
guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg 512 ${PROJECT_BINARY_DIR}/guess-512.png)
guess_render_icon(${PROJECT_BINARY_DIR}/guess-maskable.svg 512 ${PROJECT_BINARY_DIR}/guess-maskable.png)
configure_file(LICENSE LICENSE.txt COPYONLY)

set(web_templates index.html page.js page.css manifest.webmanifest sw.js)
set(GUESS_WEB_PAGE ${web_templates} guess.svg)
list(TRANSFORM GUESS_WEB_PAGE PREPEND ${PROJECT_BINARY_DIR}/)
set(web_assembled ${GUESS_WEB_PAGE})
list(APPEND GUESS_WEB_PAGE ${PROJECT_BINARY_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt ${web_icons})

function(guess_web_program target)
    target_sources(${target} PRIVATE src/web_console.cpp)
    target_compile_options(${target} PRIVATE -Oz)
    target_link_options(${target} PRIVATE
        -Oz
        -sASYNCIFY                              # the game blocks on the page's promises
        -sMODULARIZE -sEXPORT_NAME=createGuess  # a fresh game each time
        # The page starts main() itself, as a promise of its exit status:
        # the page learns that the game has ended when it is kept.
        -sINVOKE_RUN=0 -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=ccall
        -sSINGLE_FILE                           # the WebAssembly inside guess.js
        -sENVIRONMENT=web
        -sFILESYSTEM=0)
    guess_third_party_notices(${target} ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)

    set(settings ${PROJECT_BINARY_DIR}/page-settings.cmake)
    set(files $<TARGET_FILE:${target}> ${PROJECT_SOURCE_DIR}/src/guess.svg
        ${PROJECT_BINARY_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt ${web_icons})
    file(GENERATE OUTPUT ${settings} CONTENT "# What the web page is made of: read by cmake/web-page.cmake.
set(SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
set(TEMPLATES \"${web_templates}\")
set(FILES \"${files}\")
if(NOT VERSION)
    set(VERSION ${PROJECT_VERSION})
endif()
set(DESCRIPTION \"${PROJECT_DESCRIPTION}\")
")
    set(templates ${web_templates})
    list(TRANSFORM templates PREPEND ${PROJECT_SOURCE_DIR}/web/)
    add_custom_command(OUTPUT ${web_assembled}
        COMMAND ${CMAKE_COMMAND} -D SETTINGS=${settings} -D OUTPUT=${PROJECT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/web-page.cmake
        DEPENDS ${target} ${target}-notices ${settings} ${templates} ${web_icons} ${PROJECT_SOURCE_DIR}/src/guess.svg
            ${PROJECT_SOURCE_DIR}/cmake/web-page.cmake
        VERBATIM)
    add_custom_target(web-page ALL DEPENDS ${GUESS_WEB_PAGE})
endfunction()
