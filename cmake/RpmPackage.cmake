# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The RPM package, for Fedora, RHEL and its rebuilds, and openSUSE: the
# static program, as a program linked against Debian's C library would not
# start where the C library is older (RHEL 8 has glibc 2.28), with what the
# Debian package gives a player: the manual page, the desktop entry and
# icons, the license, and the notices of what is built into the program.
# rpm's automatic requirements are off: the program needs nothing, and rpm
# would still ask for the dynamic loader's features (rtld(GNU_HASH)),
# which no distribution provides for a program that has no loader.
list(APPEND CPACK_GENERATOR RPM)
guess_setting(GUESS_COMPONENTS_RPM static docs desktop)
guess_need_tools("The RPM package" RPM)
set(CPACK_RPM_PACKAGE_ARCHITECTURE ${GUESS_RPM_ARCHITECTURE})
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Games")
set(CPACK_RPM_PACKAGE_SUMMARY ${GUESS_SUMMARY})
set(CPACK_RPM_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RPM_PACKAGE_AUTOREQPROV OFF)
# The folders it shares with the system, which the system's packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/applications /usr/share/icons
    /usr/share/icons/hicolor /usr/share/icons/hicolor/scalable /usr/share/icons/hicolor/scalable/apps
    /usr/share/man /usr/share/man/man6)
foreach(size IN LISTS GUESS_DESKTOP_ICON_SIZES)
    list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
        /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
# Nothing of the builder in it: the commit's time as its build time and
# its files' times, no host name, no build-id links (it ships stripped),
# and a payload every rpm reads; the project as its packager.
string(JOIN "\n" CPACK_RPM_SPEC_MORE_DEFINE
    "%define packager ${CPACK_PACKAGE_CONTACT}"
    "%define _buildhost reproducible"
    "%define use_source_date_epoch_as_buildtime 1"
    "%define clamp_mtime_to_source_date_epoch 1"
    "%define _build_id_links none"
    "%define _binary_payload w9.gzdio"
    "%define __os_install_post %{nil}")

# Its changelog says what the Debian changelog says, as rpm writes it.
file(STRINGS packaging/debian/changelog lines)
set(changelog "")
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
        string(APPEND changelog "* ${when} ${CMAKE_MATCH_1} - ${version}-${CPACK_RPM_PACKAGE_RELEASE}\n${entry}\n")
    endif()
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
file(WRITE ${PROJECT_BINARY_DIR}/rpm-changelog "${changelog}")
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
