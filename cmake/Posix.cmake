# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The programs for Linux and the other POSIX systems, which wait for a key
# at the terminal themselves; installed as a distribution installs a game,
# with its manual page, documents and desktop menu entry; shipped in a
# Debian package, and the static program in a .tar.gz.
include(Icons)
include(Tools)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    option(GUESS_DEBIAN_PACKAGE "Make a Debian package, for a target that Debian releases" ON)
    # The file-system hierarchy's place for games, on Debian's default PATH.
    set(games_dir games)
else()
    set(GUESS_DEBIAN_PACKAGE OFF)
    set(games_dir ${CMAKE_INSTALL_BINDIR})
endif()
set(GUESS_INSTALL_GAMESDIR ${games_dir} CACHE STRING "Where the program is installed, relative to the prefix")

add_guess_program(guess)
target_sources(guess PRIVATE src/wait_for_key_posix.cpp)
if(GUESS_STATIC_PROGRAM)
    # Same name, a directory of its own: it ships as `guess` too.
    add_guess_program(guess-static)
    target_sources(guess-static PRIVATE src/wait_for_key_posix.cpp)
    set_target_properties(guess-static PROPERTIES
        OUTPUT_NAME guess RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/static)
    guess_link_static(guess-static)
    include(Notices)
    guess_third_party_notices(guess-static ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt)
endif()

# What is installed, in components the packages pick from:
#   program  the program, linked as usual
#   static   the static program and the notices of the libraries linked
#            into it; only packages ask for it, as it has the same name as
#            the other
#   docs     the manual page, the README and the terms of use
#   desktop  the desktop's menu entry and the icon it shows
#   debian   what only the Debian package has
install(TARGETS guess RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR} COMPONENT program)
if(GUESS_STATIC_PROGRAM)
    install(TARGETS guess-static RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
    # The libraries linked into it do not come with it, as Debian's
    # packages of them do: their notices do.
    install(FILES ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
endif()

# Manual pages and changelogs are shipped compressed, without a name or a
# time in the gzip header, so that the same sources give the same bytes.
find_program(GUESS_GZIP gzip REQUIRED)
configure_file(man/guess.6.in guess.6 @ONLY)
set(compressed "")
foreach(file ${PROJECT_BINARY_DIR}/guess.6 ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
    get_filename_component(name ${file} NAME)
    set(gz ${PROJECT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GUESS_GZIP} -9n -c ${file} > ${gz}
        DEPENDS ${file} VERBATIM)
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/guess.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT docs)
install(FILES README.md packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)

# The applications menu of a desktop: an entry in its games that opens the
# game in a terminal window, which the game's own wait for a key keeps open
# until the player has read the answer; and the icon, scalable and rendered
# at the sizes menus, docks and switchers ask for where the build can. The
# entry starts the program where it is installed, which is known only then
# (a package installs under /usr whatever prefix the build was given).
if(NOT APPLE)
    guess_setting(GUESS_INSTALL_GAMESDIR ${GUESS_INSTALL_GAMESDIR})
    guess_script_command(write_entry write-desktop-entry.cmake DEFINE "PREFIX=\${CMAKE_INSTALL_PREFIX}")
    list(JOIN write_entry "\" \"" write_entry)
    install(CODE "execute_process(COMMAND \"${write_entry}\" COMMAND_ERROR_IS_FATAL ANY)" COMPONENT desktop)
    install(FILES ${PROJECT_BINARY_DIR}/guess.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES src/guess.svg DESTINATION ${icons}/scalable/apps COMPONENT desktop)
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

# The packages: the Debian package holds the program as a distribution
# builds it, linked against the system's libraries, which its Depends then
# names; the .tar.gz the static program, which runs on any Linux of its
# architecture (elsewhere, the program).
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
string(TOLOWER ${CPACK_PACKAGE_FILE_NAME} CPACK_PACKAGE_FILE_NAME)
set(CPACK_GENERATOR "")
if(GUESS_DEBIAN_PACKAGE)
    # Its architecture is dpkg's name for the compiler's target, and
    # dpkg-shlibdeps reckons its Depends from that architecture's own
    # libraries: without them it would fail only at the end, in words a
    # player does not know.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
        OUTPUT_VARIABLE triplet OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    guess_debian_architecture(${triplet})
    if(CMAKE_CROSSCOMPILING)
        guess_cross_tools(${triplet} ON tools)
        guess_find_tools(missing ${tools})
        if(missing)
            message(FATAL_ERROR "No Debian package for ${triplet}: ${missing}")
        endif()
    endif()
    if(GUESS_DEB_ARCH)
        list(APPEND CPACK_GENERATOR DEB)
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${GUESS_DEB_ARCH})
        set(CPACK_DEBIAN_FILE_NAME ${PROJECT_NAME}_${PROJECT_VERSION}_${GUESS_DEB_ARCH}.deb)
        guess_setting(GUESS_COMPONENTS_DEB program docs desktop debian)
    else()
        message(STATUS "dpkg-dev not installed: no Debian package (apt-get install dpkg-dev)")
    endif()
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "The player is asked for a number from 0 to 9, types one, and is told in\n"
        "one line whether it was the winning number. The game then waits for a\n"
        "key and ends. It keeps no state and reads no files or options.")
    string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    install(FILES packaging/debian/lintian-overrides RENAME ${PROJECT_NAME}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
endif()
if(GUESS_STATIC_PROGRAM)
    list(APPEND CPACK_GENERATOR TGZ)
    guess_setting(GUESS_COMPONENTS_TGZ static docs)
elseif(NOT CPACK_GENERATOR)
    list(APPEND CPACK_GENERATOR TGZ)
    guess_setting(GUESS_COMPONENTS_TGZ program docs)
endif()
