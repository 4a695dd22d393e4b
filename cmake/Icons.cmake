# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game's icon, drawn once in src/guess.svg, rendered as PNG at the sizes
# each platform shows it: in the Windows program's icon, the desktop's
# menus, and a phone's home screen.
guess_find_program(GUESS_RSVG_CONVERT rsvg-convert librsvg2-bin)

# Adds a rule that renders `svg` as a square PNG of `size` pixels at `png`.
function(guess_render_icon svg size png)
    get_filename_component(dir ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${GUESS_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
endfunction()
