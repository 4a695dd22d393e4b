# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What is installed, in components the packages pick from (cmake/Packaging.cmake):
#   program  the program, linked as usual
#   static   the static program and the notices of the libraries linked
#            into it; only packages ask for it, as it has the same name as
#            the other
#   docs     the manual page, the README and the terms of use
#   desktop  the desktop's menu entry and the icon it shows
#   debian   what only the Debian package has
if(EMSCRIPTEN)
    # The page, to be opened from disk or put on any web server as it is.
    install(FILES ${GUESS_WEB_PAGE} $<TARGET_FILE:guess> DESTINATION . COMPONENT program)
    return()
endif()
if(WIN32)
    # Side by side, as a Windows program is unpacked and run from anywhere.
    install(TARGETS guess RUNTIME DESTINATION . COMPONENT program)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
        ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION . COMPONENT docs)
    return()
endif()

install(TARGETS guess RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR} COMPONENT program)
if(GUESS_STATIC_PROGRAM)
    install(TARGETS guess-static RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
    # The libraries linked into it, as the Debian packages ship them do not
    # come with it: their notices do.
    install(FILES ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
endif()

# Manual pages and changelogs are shipped compressed, without a name or a
# time in the gzip header, so that the same sources give the same bytes.
find_program(GUESS_GZIP gzip REQUIRED)
configure_file(man/guess.6.in guess.6 @ONLY)
set(compressed "")
foreach(file ${PROJECT_BINARY_DIR}/guess.6 ${PROJECT_SOURCE_DIR}/packaging/changelog)
    get_filename_component(name ${file} NAME)
    set(gz ${PROJECT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GUESS_GZIP} -9n -c ${file} > ${gz}
        DEPENDS ${file} VERBATIM)
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${compressed})

install(FILES ${PROJECT_BINARY_DIR}/guess.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT docs)
install(FILES README.md packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)
# The applications menu of a desktop: an entry in its games that opens the
# game in a terminal window, which the game's own wait for a key keeps open
# until the player has read the answer; and the icon, scalable and rendered
# at the sizes menus, docks and switchers ask for where the build can.
if(NOT APPLE)
    install(CODE "set(GUESS_INSTALL_GAMESDIR [[${GUESS_INSTALL_GAMESDIR}]])
        set(GUESS_DESKTOP_ENTRY [[${PROJECT_BINARY_DIR}/guess.desktop]])" COMPONENT desktop)
    install(SCRIPT packaging/desktop-entry.cmake COMPONENT desktop)
    install(FILES ${PROJECT_BINARY_DIR}/guess.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES src/guess.svg DESTINATION ${icons}/scalable/apps COMPONENT desktop)
    include(${PROJECT_SOURCE_DIR}/cmake/Icons.cmake)
    if(GUESS_RSVG_CONVERT)
        set(pngs "")
        foreach(size 16 22 24 32 48 64 128 256 512)
            set(png ${PROJECT_BINARY_DIR}/hicolor/${size}x${size}/apps/guess.png)
            guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg ${size} ${png})
            install(FILES ${png} DESTINATION ${icons}/${size}x${size}/apps COMPONENT desktop)
            list(APPEND pngs ${png})
        endforeach()
        add_custom_target(desktop-icons ALL DEPENDS ${pngs})
    else()
        message(STATUS "rsvg-convert not installed: the desktop gets the scalable icon alone (apt-get install librsvg2-bin renders the others)")
    endif()
endif()

install(FILES packaging/lintian-overrides RENAME ${PROJECT_NAME}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
