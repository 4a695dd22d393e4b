#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A version raised in project() alone, as a maintainer might raise it,
# with no entry for it in the Debian changelog, whose newest entry the
# Debian package takes its version from: the build stops there, and says
# which file to change.
#   version.sh SOURCE_DIR
work=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$work"' EXIT
# What the configure reads up to the check, writable as the sources may not be.
mkdir -p "$work/source/packaging/debian" && cp "$1/packaging/debian/changelog" "$work/source/packaging/debian" &&
    cp -R "$1/cmake" "$work/source" && chmod -R u+w "$work/source" &&
    sed 's/^\( *VERSION [0-9]*\.[0-9]*\.\)[0-9]*$/\1999/' "$1/CMakeLists.txt" >"$work/source/CMakeLists.txt" || fatal "no copy"
grep -q '^ *VERSION [0-9.]*\.999$' "$work/source/CMakeLists.txt" || { echo "no version raised"; exit 1; }
if said=$(cmake -S "$work/source" -B "$work/build" 2>&1); then
    echo "configured with a changelog of another version"
    exit 1
fi
echo "$said" | tr -s ' \n' '  ' | grep -q 'packaging/debian/changelog is of version .*, where project() says .*\.999' ||
    { echo "$said"; exit 1; }
