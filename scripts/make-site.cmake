# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release's folder its website, for players, of the packages in it
# (web/site/): index.html, which offers each visitor the download of VERSION
# for its system, and lists every download with its size and SHA-256, this
# version's, then every earlier one's; the web game, unpacked in play/,
# where it is served as the app it is; and install.sh, which installs the
# static Linux program, of VERSION or one given, once it has checked it.
# Both name the release's address, GUESS_DOWNLOAD_URL in the environment,
# where there is one (the page takes its own otherwise), and the
# fingerprint of the key that signs SHA256SUMS, GUESS_GPG_KEY's, where there
# is one. The release runs it before it writes the checksums, which cover
# these too.
#   cmake -D DIST=DIR -D VERSION=VERSION -P make-site.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/OpenPGP.cmake)
set(site ${CMAKE_CURRENT_LIST_DIR}/../web/site)
set(PROJECT_VERSION ${VERSION})
set(GUESS_SHOWN_ADDRESS "${GUESS_ADDRESS}")
if(NOT GUESS_ADDRESS)  # the script needs one, which the page writes in
    set(GUESS_SHOWN_ADDRESS ADDRESS/)
    set(GUESS_FROM " -s -- --from <span class=\"address\">ADDRESS/</span>")
endif()
if(GUESS_OPENPGP_KEY)
    guess_openpgp_fingerprint(GUESS_FINGERPRINT)
endif()
# The machines, as `uname -m` names them, that the script installs a static
# program on, each with the name of its processor in the .tar.gz's name.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/LinuxTargets.cmake)
set(GUESS_MACHINES_ARCHIVES "")
foreach(row IN LISTS GUESS_LINUX_TARGETS)
    string(REGEX MATCH "^[^ ]+" architecture "${row}")
    guess_linux_target(${architecture})
    list(TRANSFORM GUESS_MACHINES APPEND =${GUESS_TARBALL_PROCESSOR})
    list(APPEND GUESS_MACHINES_ARCHIVES ${GUESS_MACHINES})
endforeach()
list(JOIN GUESS_MACHINES_ARCHIVES " " GUESS_MACHINES_ARCHIVES)
configure_file(${site}/install.sh.in ${DIST}/install.sh @ONLY)
if(NOT GUESS_OPENPGP_KEY)
    set(GUESS_FINGERPRINT "none: this release is not signed")
endif()

# Every download of this version, in a table for each system, as a player
# looks for it; then each earlier version's, the newest first.
set(groups
    "Windows|\\.msi$|-windows-[^-]+\\.zip$"
    "Debian and Ubuntu|\\.deb$"
    "Fedora, RHEL, openSUSE|\\.rpm$"
    "Arch Linux|\\.pkg\\.tar\\.zst$"
    "Any Linux: the static program, and the script that installs it|-linux-[^-]+\\.tar\\.gz$|^install\\.sh$"
    "A web browser: the page, to open from disk or put on a server|-web\\.zip$"
    "The sources, and their SBOM|^guess-[0-9.]+\\.tar\\.gz$|\\.spdx$"
    "For the package managers: the release's key, and dnf's and zypper's repository|\\.gpg$|\\.repo$")
set(table "    <table>\n      <tr><th>File</th><th>Size</th><th>SHA-256</th></tr>\n")
function(row file variable)  # appends FILE's row, with its size and SHA-256
    file(SIZE ${DIST}/${file} size)
    math(EXPR size "(${size} + 512) / 1024")
    file(SHA256 ${DIST}/${file} sum)
    string(APPEND ${variable}
        "      <tr><td><a href=\"${file}\">${file}</a></td><td>${size} KiB</td><td>${sum}</td></tr>\n")
    set(${variable} "${${variable}}" PARENT_SCOPE)
endfunction()
file(GLOB files LIST_DIRECTORIES false RELATIVE ${DIST} ${DIST}/*)
list(REMOVE_ITEM files index.html site.js site.css terminal.png)  # the page's own, of an earlier release
set(versions "")
foreach(file IN LISTS files)
    if(file MATCHES "${GUESS_VERSIONED}" AND NOT CMAKE_MATCH_1 STREQUAL VERSION)
        list(APPEND versions ${CMAKE_MATCH_1})
        list(APPEND of_${CMAKE_MATCH_1} ${file})
        list(REMOVE_ITEM files ${file})
    endif()
endforeach()
set(GUESS_DOWNLOADS "")
foreach(group IN LISTS groups)
    string(REPLACE "|" ";" patterns "${group}")
    list(POP_FRONT patterns title)
    string(APPEND GUESS_DOWNLOADS "    <h3>${title}</h3>\n${table}")
    foreach(file IN LISTS files)
        foreach(pattern IN LISTS patterns)
            if(file MATCHES "${pattern}")
                row(${file} GUESS_DOWNLOADS)
                list(REMOVE_ITEM files ${file})
            endif()
        endforeach()
    endforeach()
    string(APPEND GUESS_DOWNLOADS "    </table>\n")
endforeach()
if(files)
    message(FATAL_ERROR "The page lists downloads by their kind, and knows none of these: ${files}")
endif()
list(REMOVE_DUPLICATES versions)
list(SORT versions COMPARE NATURAL ORDER DESCENDING)
set(GUESS_EARLIER "")
set(GUESS_NO_EARLIER hidden)
foreach(version IN LISTS versions)
    set(GUESS_NO_EARLIER "")
    string(APPEND GUESS_EARLIER "    <h3>guess ${version}</h3>\n${table}")
    foreach(file IN LISTS of_${version})
        row(${file} GUESS_EARLIER)
    endforeach()
    string(APPEND GUESS_EARLIER "    </table>\n")
endforeach()

# The page, with the picture of the game at its size, as its PNG header
# gives it; the web game, in play/.
file(GLOB GUESS_MSI RELATIVE ${DIST} ${DIST}/guess-${VERSION}-windows-*.msi)
file(GLOB GUESS_WINDOWS_ZIP RELATIVE ${DIST} ${DIST}/guess-${VERSION}-windows-*.zip)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../docs/terminal.png header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width)
string(SUBSTRING ${header} 8 8 height)
math(EXPR GUESS_PICTURE_WIDTH 0x${width})
math(EXPR GUESS_PICTURE_HEIGHT 0x${height})
configure_file(${site}/index.html.in ${DIST}/index.html @ONLY)
file(COPY ${site}/site.js ${site}/site.css ${CMAKE_CURRENT_LIST_DIR}/../docs/terminal.png DESTINATION ${DIST})
file(REMOVE_RECURSE ${DIST}/play)
file(ARCHIVE_EXTRACT INPUT ${DIST}/guess-${VERSION}-web.zip DESTINATION ${DIST}/play.part)
file(RENAME ${DIST}/play.part/guess-${VERSION}-web ${DIST}/play)
file(REMOVE_RECURSE ${DIST}/play.part)
