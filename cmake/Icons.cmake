# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game's icon, drawn once in src/guess.svg, rendered as PNG at the sizes
# each platform shows it: in the Windows program's icon, the desktop's
# menus, and a phone's home screen. A release renders it once, at every
# size of GUESS_ICON_SIZES, for all its products, which take it from the
# folder GUESS_ICONS names (SIZE.png); a build given none renders the sizes
# it shows itself, as the web build renders its maskable icon, a picture of
# its own.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Tool.cmake)
guess_find_program(GUESS_RSVG_CONVERT rsvg-convert librsvg2-bin)
set(GUESS_ICON_SIZES 16 22 24 32 48 64 128 192 256 512)
set(GUESS_ICONS "" CACHE PATH "A folder of the icon rendered already, SIZE.png at each of GUESS_ICON_SIZES")

# Adds a rule that renders `svg` as a square PNG of `size` pixels at `png`.
function(guess_render_icon svg size png)
    get_filename_component(dir ${png} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    add_custom_command(OUTPUT ${png} COMMAND ${GUESS_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg} VERBATIM)
endfunction()

# Renders `svg` now, at every size of GUESS_ICON_SIZES, in `dir`, as a
# release does once for all its products.
function(guess_render_icons svg dir)
    file(MAKE_DIRECTORY ${dir})
    foreach(size IN LISTS GUESS_ICON_SIZES)
        execute_process(COMMAND ${GUESS_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/${size}.png ${svg}
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endfunction()

# Puts the game's icon at `size` pixels at `png`: copied from GUESS_ICONS
# as the build is configured, or else rendered as it is built.
function(guess_icon size png)
    if(GUESS_ICONS)
        configure_file(${GUESS_ICONS}/${size}.png ${png} COPYONLY)  # missing where the size is not listed
    else()
        guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg ${size} ${png})
    endif()
endfunction()
