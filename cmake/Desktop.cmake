# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The applications menu of a desktop: an entry in its games that opens the
# game in a terminal window, which the game's own wait for a key keeps open
# until the player has read the answer; and the icon, scalable, and with
# GUESS_RENDER_ICONS rendered at the sizes menus, docks and switchers ask
# for. The entry starts the program where it is installed, which is known
# only then (a package installs under /usr whatever prefix the build was
# given): scripts/write-desktop-entry.cmake writes it as it is installed.
option(GUESS_RENDER_ICONS "Also install the desktop's icon rendered at the sizes menus ask for (needs rsvg-convert)" OFF)

set(entry ${PROJECT_BINARY_DIR}/guess.desktop)
install(CODE "block()
    set(PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    set(DIRS \"${CMAKE_INSTALL_BINDIR};${GUESS_INSTALL_GAMESDIR}\")
    set(OUTPUT \"${entry}\")
    include(\"${PROJECT_SOURCE_DIR}/scripts/write-desktop-entry.cmake\")
endblock()" COMPONENT desktop)
install(FILES ${entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES src/guess.svg DESTINATION ${icons}/scalable/apps COMPONENT desktop)
if(GUESS_RENDER_ICONS)
    include(Icons)
    set(pngs "")
    foreach(size 16 22 24 32 48 64 128 256 512)
        set(png ${PROJECT_BINARY_DIR}/hicolor/${size}x${size}/apps/guess.png)
        guess_icon(${size} ${png})
        install(FILES ${png} DESTINATION ${icons}/${size}x${size}/apps COMPONENT desktop)
        list(APPEND pngs ${png})
    endforeach()
    add_custom_target(desktop-icons ALL DEPENDS ${pngs})
endif()
