#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What a Linux player installs. The install tree holds the program, its
# manual page, documents and desktop menu entry and icon where Debian has
# them. The build shipped a Debian package where its preset says it makes
# one, which holds the same and says what it is and what it needs, and the
# static program's .tar.gz where it has one, with the notices of what is
# built into it. Each carries the README written for a Linux player.
#   linux_packages.sh BUILD_DIR CMAKE PACKAGES DEB_ARCHITECTURE STATIC_PROGRAM
# PACKAGES lists what the build shipped (tests/CMakeLists.txt); the last two
# are empty where it ships no Debian package or no static program.
build=$1 cmake=$2 packages=$3 architecture=$4 static=$5
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"
shipped() { grep -c "$1\$" "$packages"; }
# The players' README: no pictures it cannot show, nothing of building.
for_players() { ! grep -q -e '!\[' -e 'cmake' -e 'apt-get install -y' "$1"; }

"$cmake" --install "$build" --prefix "$work/usr" >/dev/null || exit 1
check test -x "$work/usr/games/guess"
check test -f "$work/usr/share/man/man6/guess.6.gz"
check test -f "$work/usr/share/doc/guess/copyright"
check for_players "$work/usr/share/doc/guess/README"
check test -f "$work/usr/share/applications/guess.desktop"
check test -f "$work/usr/share/icons/hicolor/scalable/apps/guess.svg"

check test "$(shipped '\.deb')" = "$([ -n "$architecture" ] && echo 1 || echo 0)"
for deb in $(grep '\.deb$' "$packages"); do
    contents=$(dpkg-deb -c "$deb") || exit 1
    for file in usr/games/guess usr/share/man/man6/guess.6.gz usr/share/doc/guess/copyright \
        usr/share/doc/guess/README usr/share/applications/guess.desktop \
        usr/share/icons/hicolor/scalable/apps/guess.svg usr/share/icons/hicolor/48x48/apps/guess.png; do
        check sh -c 'printf "%s\n" "$1" | grep -q " \./$2\$"' - "$contents" "$file"
    done
    check test "$(dpkg-deb -f "$deb" Architecture)" = "$architecture"
    check test "$(dpkg-deb -f "$deb" Section)" = games
    check test "$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/guess.desktop |
        sed -n 's/^Exec=//p')" = /usr/games/guess
    check sh -c 'dpkg-deb -f "$1" Depends | grep -q libc6' - "$deb"
    dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Description Depends
done

check test "$(shipped '\.tar\.gz')" = "$([ -n "$static" ] && echo 1 || echo 0)"
for archive in $(grep '\.tar\.gz$' "$packages"); do
    mkdir "$work/tar" && tar -xzf "$archive" -C "$work/tar" || exit 1
    top=$(echo "$work"/tar/*)
    check cmp "$top/games/guess" "$static"
    for doc in THIRD-PARTY-NOTICES.txt copyright README; do check test -f "$top/share/doc/guess/$doc"; done
    check for_players "$top/share/doc/guess/README"
    check test -f "$top/share/man/man6/guess.6.gz"
    rm -rf "$work/tar"
done
exit $fail
