# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game's icon, drawn once in src/guess.svg, rendered as PNG at the sizes
# each platform shows it: in the Windows program's icon, the desktop's
# menus, and a phone's home screen. A release renders it once, at every
# size of GUESS_ICON_SIZES, for all its products, which take it from the
# folder GUESS_ICONS names (SIZE.png); a build given none renders the sizes
# it shows itself.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tool.cmake)
guess_find_program(GUESS_RSVG_CONVERT rsvg-convert librsvg2-bin)
set(GUESS_ICON_SIZES 16 22 24 32 48 64 128 192 256 512)
set(GUESS_ICONS "" CACHE PATH "A folder of the icon rendered already, SIZE.png at each of GUESS_ICON_SIZES")

# The command that renders `svg` as a square PNG of `size` pixels at `png`.
function(guess_icon_command svg size png variable)
    set(${variable} ${GUESS_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg} PARENT_SCOPE)
endfunction()

# Adds a rule that renders `svg` as a square PNG of `size` pixels at `png`.
function(guess_render_icon svg size png)
    get_filename_component(dir ${png} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    guess_icon_command(${svg} ${size} ${png} command)
    add_custom_command(OUTPUT ${png} COMMAND ${command} DEPENDS ${svg} VERBATIM)
endfunction()

# Puts the game's icon at `size` pixels at `png`: copied from GUESS_ICONS
# as the build is configured, or else rendered as it is built.
function(guess_icon size png)
    if(NOT GUESS_ICONS)
        guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg ${size} ${png})
    elseif(size IN_LIST GUESS_ICON_SIZES)
        configure_file(${GUESS_ICONS}/${size}.png ${png} COPYONLY)
    else()
        message(FATAL_ERROR "The icon is shown at ${size} pixels: add the size to GUESS_ICON_SIZES")
    endif()
endfunction()
