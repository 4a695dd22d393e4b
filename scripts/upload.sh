#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Puts a release's site, SITE (made over the one published: release.cmake's
# EARLIER), onto SERVER, a folder that is the published site (mounted, or a
# copy that is synced to the server in the same order), so that at every
# moment every client finds what the index it read names: first every file
# that SERVER lacks (the new version's, the indexes kept by their hashes);
# then the files that changed, the indexes (apt's, the RPM repository's,
# pacman's databases, the page), each one's signature right after it; and
# SHA256SUMS and its signature last. Nothing is deleted. Each file is
# copied beside its place and renamed into it, whole, as a new file (with
# the time it is copied: pacman keeps no database older than its own).
#   scripts/upload.sh SITE SERVER
set -eu
[ $# = 2 ] || { echo "usage: $0 SITE SERVER" >&2; exit 2; }
site=$(cd "$1" && pwd)
server=$2
files=$(mktemp)
trap 'rm -f "$files"' EXIT
cd "$site"
put() {
    mkdir -p "$server/$(dirname "$1")"
    cp "$1" "$server/$1.part"
    mv "$server/$1.part" "$server/$1"
}
# In the order of their names, which puts each signature after its file.
find . -type f ! -name 'SHA256SUMS*' -printf '%P\n' >"$files"
LC_ALL=C sort -o "$files" "$files"
while read -r file; do [ -e "$server/$file" ] || put "$file"; done <"$files"
while read -r file; do cmp -s "$file" "$server/$file" || put "$file"; done <"$files"
put SHA256SUMS
[ ! -f SHA256SUMS.asc ] || put SHA256SUMS.asc
