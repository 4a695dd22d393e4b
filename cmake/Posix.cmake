# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The programs for Linux and the other POSIX systems, which wait for a key
# at the terminal themselves; installed as a distribution installs a game,
# with its manual page and documents, and its desktop menu entry
# (cmake/Desktop.cmake); shipped in a Debian package
# (cmake/DebianPackage.cmake), and the static program in a .tar.gz.
guess_require_tools(missing GROUPS LINUX)  # the ones that matter are checked below

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # The file-system hierarchy's place for games, on Debian's default PATH.
    set(games_dir games)
else()
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
#   program  the program, linked as usual, in the games folder, where
#            Debian has games
#   static   the static program, in bin/ as the other systems have programs
#            (on their PATH), with the notices of the libraries linked into
#            it; only packages ask for it
#   docs     the manual page, the players' README and the terms of use
#   desktop  the desktop's menu entry and the icon it shows
#   debian   what only the Debian package has
install(TARGETS guess RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR} COMPONENT program)
if(GUESS_STATIC_PROGRAM)
    install(TARGETS guess-static RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
    # The libraries linked into it do not come with it, as Debian's
    # packages of them do: their notices do.
    install(FILES ${PROJECT_BINARY_DIR}/static/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
endif()

# Manual pages and changelogs are shipped compressed, without a name or a
# time in the gzip header, so that the same sources give the same bytes.
if(NOT GUESS_GZIP)
    message(FATAL_ERROR "gzip not found: the manual page is installed compressed")
endif()
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

if(NOT APPLE)
    include(Desktop)
endif()

# The packages: the Debian package, for a target that Debian releases,
# holds the program linked against the system's libraries. The static
# program, which runs on any Linux of its architecture, is in a .tar.gz,
# and in the packages of the other families: an RPM package and an Arch
# package, where its preset names their architecture. (Elsewhere than
# Linux, the .tar.gz holds the program.)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
string(TOLOWER ${CPACK_PACKAGE_FILE_NAME} CPACK_PACKAGE_FILE_NAME)
# The RPM and Arch packages' summaries start with a capital: "One-shot ...".
string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 0 1 first)
string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 1 -1 rest)
string(TOUPPER ${first} first)
set(GUESS_SUMMARY "${first}${rest}")
set(CPACK_GENERATOR "")
option(GUESS_DEBIAN_PACKAGE "Make a Debian package, for a target that Debian releases" OFF)
set(GUESS_RPM_ARCHITECTURE "" CACHE STRING "Make an RPM package of the static program, for this architecture of rpm's")
set(GUESS_PACMAN_ARCHITECTURE "" CACHE STRING "Make an Arch package of the static program, for this architecture of pacman's")
if(GUESS_DEBIAN_PACKAGE)
    include(DebianPackage)
endif()
if(GUESS_STATIC_PROGRAM)
    list(APPEND CPACK_GENERATOR TGZ)
    guess_setting(GUESS_COMPONENTS_TGZ static docs)
elseif(NOT CPACK_GENERATOR)
    list(APPEND CPACK_GENERATOR TGZ)
    guess_setting(GUESS_COMPONENTS_TGZ program docs)
endif()
if((GUESS_RPM_ARCHITECTURE OR GUESS_PACMAN_ARCHITECTURE) AND NOT GUESS_STATIC_PROGRAM)
    message(FATAL_ERROR "The RPM and Arch packages hold the static program: GUESS_STATIC_PROGRAM is OFF")
endif()
if(GUESS_RPM_ARCHITECTURE)
    include(RpmPackage)
endif()
if(GUESS_PACMAN_ARCHITECTURE)
    include(PacmanPackage)
endif()
