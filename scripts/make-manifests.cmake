# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes what Windows' package managers install the game from, ready to
# submit to their public lists: a winget manifest, for the installer, in
# the multi-file form and the folders of winget's list
# (winget/manifests/g/GuessDevelopers/Guess/VERSION/), and a Scoop manifest,
# for the .zip (scoop/guess.json), both in DIST beside the installer and the
# .zip they name, as they are published: their address, under the
# release's (cmake/About.cmake: GUESS_DOWNLOAD_URL, or the README's
# placeholder), their SHA-256, and the installer's ProductCode, read from
# it; what they say of the game is cmake/About.cmake. They are of the
# installer and .zip of VERSION. The day is the commit's
# (SOURCE_DATE_EPOCH). The release runs it on the packages it collected;
# the templates are packaging/windows/winget/*.yaml.in and scoop.json.in.
#   cmake -D DIST=DIR -D VERSION=X.Y.Z -P make-manifests.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
guess_find_program(MSIINFO msiinfo msitools)
set(PACKAGE_IDENTIFIER GuessDevelopers.Guess)
set(MANIFEST_VERSION 1.10.0)
set(templates ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows)
string(REPLACE "\n" " " DESCRIPTION "${GUESS_DESCRIPTION}")

# The installer, and the .zip of the same name.
file(GLOB msi RELATIVE ${DIST} ${DIST}/guess-${VERSION}-windows-*.msi)
string(REGEX REPLACE "\\.msi$" ".zip" zip ${msi})

# winget: the installer's address, SHA-256 (as winget writes it, in capitals)
# and ProductCode; the day of the commit.
set(INSTALLER_URL ${GUESS_NAMED_ADDRESS}${msi})
file(SHA256 ${DIST}/${msi} INSTALLER_SHA256)
string(TOUPPER ${INSTALLER_SHA256} INSTALLER_SHA256)
execute_process(COMMAND ${MSIINFO} export ${DIST}/${msi} Property
    OUTPUT_VARIABLE properties COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\nProductCode\t([^\r\n]*)" found "${properties}")
set(PRODUCT_CODE ${CMAKE_MATCH_1})
string(TIMESTAMP RELEASE_DATE "%Y-%m-%d" UTC)
string(SUBSTRING ${PACKAGE_IDENTIFIER} 0 1 letter)
string(TOLOWER ${letter} letter)
string(REPLACE "." "/" path ${PACKAGE_IDENTIFIER})
set(winget ${DIST}/winget/manifests/${letter}/${path}/${VERSION})  # beside the earlier versions'
configure_file(${templates}/winget/version.yaml.in ${winget}/${PACKAGE_IDENTIFIER}.yaml @ONLY)
configure_file(${templates}/winget/installer.yaml.in ${winget}/${PACKAGE_IDENTIFIER}.installer.yaml @ONLY)
configure_file(${templates}/winget/locale.yaml.in ${winget}/${PACKAGE_IDENTIFIER}.locale.en-US.yaml @ONLY)

# Scoop: the .zip's address, SHA-256 and folder; and how to find and fetch
# the next version: the address with the version left to fill in, and the
# page at the address, on which the last name of a Windows .zip is the
# newest's (scripts/make-site.cmake).
set(ZIP_URL ${GUESS_NAMED_ADDRESS}${zip})
file(SHA256 ${DIST}/${zip} ZIP_SHA256)
string(REGEX REPLACE "\\.zip$" "" ZIP_FOLDER ${zip})
string(REPLACE "${VERSION}" "$version" AUTOUPDATE_URL ${ZIP_URL})
string(REPLACE "${VERSION}" "$version" AUTOUPDATE_FOLDER ${ZIP_FOLDER})
# (A regular expression, as JSON writes it: its backslashes doubled.)
string(REPLACE "${VERSION}" "VERSION" CHECKVER_REGEX ${zip})
string(REPLACE "." "\\\\." CHECKVER_REGEX ${CHECKVER_REGEX})
string(REPLACE "VERSION" "([\\\\d.]+)" CHECKVER_REGEX ${CHECKVER_REGEX})
configure_file(${templates}/scoop.json.in ${DIST}/scoop/guess.json @ONLY)
