# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The programs for Linux and the other POSIX systems, which wait for a key
# at the terminal themselves; installed as a distribution installs a game,
# with its manual page and documents, and its desktop menu entry
# (cmake/Desktop.cmake); and, with GUESS_PACKAGES, the packages of Linux's
# families: the Debian package, which holds the program linked against the
# system's libraries, and, of a static program, which runs on any Linux of
# its architecture, a .tar.gz and the RPM and Arch packages.
# Which packages a Linux target has, and the names they give its
# architecture, are its row's (cmake/toolchains/linux.cmake).
option(GUESS_STATIC_PROGRAM "Also build a static program (static-pie where the C library allows), which needs no shared library" OFF)

# In bin/, on every system's PATH; Debian's policy puts games in games/,
# on Debian's PATH alone, which its packages say (the `linux` preset).
set(GUESS_INSTALL_GAMESDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Where the program is installed, relative to the prefix")

add_guess_program(guess)
target_sources(guess PRIVATE src/wait_for_key_posix.cpp)
set(programs guess)
if(GUESS_STATIC_PROGRAM)
    # Same name, a directory of its own: it ships as `guess` too.
    add_guess_program(guess-static)
    target_sources(guess-static PRIVATE src/wait_for_key_posix.cpp)
    set_target_properties(guess-static PROPERTIES
        OUTPUT_NAME guess RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/static)
    guess_link_static(guess-static)
    include(Notices)
    guess_third_party_notices(guess-static ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt)
    list(APPEND programs guess-static)
endif()

# What is installed, in components the packages pick from:
#   program  the program, linked as usual, in GUESS_INSTALL_GAMESDIR
#   static   the static program, in bin/ as the other systems have programs
#            (on their PATH), with the notices of the libraries linked into
#            it; only packages ask for it
#   docs     the manual page, the players' README and the terms of use
#   desktop  the desktop's menu entry and the icon it shows
#   debian   what only the Debian package has
#   arch     what only the Arch package has
install(TARGETS guess RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR} COMPONENT program)
if(GUESS_STATIC_PROGRAM)
    install(TARGETS guess-static RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT static EXCLUDE_FROM_ALL)
    # The libraries linked into it do not come with it, as Debian's
    # packages of them do: their notices do.
    install(FILES ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
endif()

# Manual pages and changelogs are shipped compressed, without a name or a
# time in the gzip header, so that the same sources give the same bytes.
guess_find_program(GUESS_GZIP gzip gzip)
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
install(FILES packaging/linux/README packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)
install(FILES packaging/debian/lintian-overrides RENAME ${PROJECT_NAME}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
# Where pacman's packages keep their terms of use.
install(FILES packaging/debian/copyright RENAME LICENSE
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/licenses/${PROJECT_NAME} COMPONENT arch EXCLUDE_FROM_ALL)

if(NOT APPLE)
    include(Desktop)
endif()

if(NOT GUESS_PACKAGES)
    return()
endif()
# What ships nowhere is checked as it is made: the objects each program is
# linked from carry the hardening that a stripped, or a static, program no
# longer shows, checked buffer calls too, as what ships is optimised.
foreach(program IN LISTS programs)
    add_custom_command(TARGET packages POST_BUILD
        COMMAND sh ${PROJECT_SOURCE_DIR}/tests/hardening.sh code fortify
            $<TARGET_FILE:${program}> $<TARGET_OBJECTS:${program}>
        COMMAND_EXPAND_LISTS VERBATIM)
endforeach()
# The RPM and Arch packages' summaries start with a capital: "One-shot ...".
string(SUBSTRING "${GUESS_SUMMARY}" 0 1 first)
string(SUBSTRING "${GUESS_SUMMARY}" 1 -1 rest)
string(TOUPPER ${first} first)
set(GUESS_TITLE "${first}${rest}")
set(templates ${PROJECT_BINARY_DIR}/packaging)
if(GUESS_DEBIAN_PACKAGE)
    string(REPLACE "\n" "\n " GUESS_DEBIAN_DESCRIPTION " ${GUESS_DESCRIPTION}")
    configure_file(packaging/debian/control.in ${templates}/control @ONLY)
    guess_package(deb ${PROJECT_NAME}_${PROJECT_VERSION}_${GUESS_DEBIAN_ARCHITECTURE}.deb /usr program docs desktop
        debian ARGS ${GUESS_DEBIAN_ARCHITECTURE} ${templates}/control ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
endif()
if(GUESS_STATIC_PROGRAM)
    # Named by its processor, as the target's row names it.
    string(TOLOWER ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR} name)
    guess_package(tgz ${name}.tar.gz /${name} static docs)
endif()
if(GUESS_RPM_ARCHITECTURE)
    # Its changelog says what the Debian changelog says, as rpm writes it.
    file(STRINGS packaging/debian/changelog lines)
    set(GUESS_RPM_CHANGELOG "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[^ ].* \\(([^)]+)\\)")
            set(version ${CMAKE_MATCH_1})
            set(entry "")
        elseif(line MATCHES "^  \\* (.*)")
            string(APPEND entry "- ${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^    (.*)")
            string(APPEND entry "  ${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^ -- (.*)  ([A-Za-z]+), ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
            set(when "${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_5}")
            string(APPEND GUESS_RPM_CHANGELOG "* ${when} ${CMAKE_MATCH_1} - ${version}-1\n${entry}\n")
        endif()
    endforeach()
    configure_file(packaging/rpm/rpmbuild.in ${templates}/rpmbuild @ONLY)
    guess_package(rpm ${PROJECT_NAME}-${PROJECT_VERSION}-1.${GUESS_RPM_ARCHITECTURE}.rpm /usr static docs desktop
        ARGS ${GUESS_RPM_ARCHITECTURE} ${templates}/rpmbuild)
endif()
if(GUESS_PACMAN_ARCHITECTURE)
    configure_file(packaging/arch/PKGINFO.in ${templates}/PKGINFO @ONLY)
    guess_package(pacman ${PROJECT_NAME}-${PROJECT_VERSION}-1-${GUESS_PACMAN_ARCHITECTURE}.pkg.tar.zst /usr
        static docs desktop arch ARGS ${templates}/PKGINFO)
endif()
