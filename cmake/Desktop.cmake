# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The applications menu of a desktop: an entry in its games that opens the
# game in a terminal window, which the game's own wait for a key keeps open
# until the player has read the answer; and the icon, scalable and rendered
# at the sizes menus, docks and switchers ask for where the build can. The
# entry starts the program where it is installed, which is known only then
# (a package installs under /usr whatever prefix the build was given):
# scripts/write-desktop-entry.cmake writes it as it is installed.
include(Icons)

guess_setting(GUESS_INSTALL_GAMESDIR ${GUESS_INSTALL_GAMESDIR})
guess_setting(GUESS_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
guess_script_command(write_entry write-desktop-entry.cmake DEFINE "PREFIX=\${CMAKE_INSTALL_PREFIX}")
list(JOIN write_entry "\" \"" write_entry)
install(CODE "execute_process(COMMAND \"${write_entry}\" COMMAND_ERROR_IS_FATAL ANY)" COMPONENT desktop)
install(FILES ${PROJECT_BINARY_DIR}/guess.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# The sizes rendered, hicolor/SIZExSIZE/apps/ (the RPM package leaves those
# folders to the system's packages).
set(GUESS_DESKTOP_ICON_SIZES 16 22 24 32 48 64 128 256 512)
install(FILES src/guess.svg DESTINATION ${icons}/scalable/apps COMPONENT desktop)
if(GUESS_RSVG_CONVERT)
    set(pngs "")
    foreach(size IN LISTS GUESS_DESKTOP_ICON_SIZES)
        set(png ${PROJECT_BINARY_DIR}/hicolor/${size}x${size}/apps/guess.png)
        guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg ${size} ${png})
        install(FILES ${png} DESTINATION ${icons}/${size}x${size}/apps COMPONENT desktop)
        list(APPEND pngs ${png})
    endforeach()
    add_custom_target(desktop-icons ALL DEPENDS ${pngs})
else()
    message(STATUS "rsvg-convert not installed: the desktop gets the scalable icon alone (apt-get install librsvg2-bin renders the others)")
endif()
