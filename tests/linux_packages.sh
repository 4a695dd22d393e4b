#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What a Linux player installs. The install tree holds the program, its
# manual page, documents and desktop menu entry and icon where Debian has
# them. The build shipped what its preset says it makes: a Debian package,
# which holds the same and says what it is and what it needs; and, of the
# static program, a .tar.gz, an RPM package and an Arch package, each with
# the notices of what is built into the program, the last two with the same
# as the Debian package (the program in bin/, for their PATH) and nothing
# they require. Each carries the README written for a Linux player.
#   linux_packages.sh BUILD_DIR CMAKE PACKAGES DEB_ARCH STATIC_PROGRAM RPM_ARCH PACMAN_ARCH
# PACKAGES lists what the build shipped (tests/CMakeLists.txt); the others
# are empty where it ships no such package, or has no static program.
build=$1 cmake=$2 packages=$3 architecture=$4 static=$5 rpm_architecture=$6 pacman_architecture=$7
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"
shipped() { grep -c "$1\$" "$packages"; }
expected() { [ -n "$1" ] && echo 1 || echo 0; }
# The players' README: no pictures it cannot show, nothing of building.
for_players() { ! grep -q -e '!\[' -e 'cmake' -e 'apt-get install -y' "$1"; }

"$cmake" --install "$build" --prefix "$work/usr" >/dev/null || exit 1
check test -x "$work/usr/games/guess"
check test -f "$work/usr/share/man/man6/guess.6.gz"
check test -f "$work/usr/share/doc/guess/copyright"
check for_players "$work/usr/share/doc/guess/README"
check test -f "$work/usr/share/applications/guess.desktop"
check test -f "$work/usr/share/icons/hicolor/scalable/apps/guess.svg"

check test "$(shipped '\.deb')" = "$(expected "$architecture")"
for deb in $(grep '\.deb$' "$packages"); do
    contents=$(dpkg-deb -c "$deb") || exit 1
    for file in usr/games/guess usr/share/man/man6/guess.6.gz usr/share/doc/guess/copyright \
        usr/share/doc/guess/README usr/share/applications/guess.desktop \
        usr/share/icons/hicolor/scalable/apps/guess.svg usr/share/icons/hicolor/48x48/apps/guess.png; do
        check sh -c 'printf "%s\n" "$1" | grep -q " \./$2\$"' - "$contents" "$file"
    done
    check test "$(dpkg-deb -f "$deb" Architecture)" = "$architecture"
    check test "$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/guess.desktop |
        sed -n 's/^Exec=//p')" = /usr/games/guess
    check sh -c 'dpkg-deb -f "$1" Depends | grep -q libc6' - "$deb"
    dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Description Depends
done

check test "$(shipped '\.tar\.gz')" = "$(expected "$static")"
for archive in $(grep '\.tar\.gz$' "$packages"); do
    mkdir "$work/tar" && tar -xzf "$archive" -C "$work/tar" || exit 1
    top=$(echo "$work"/tar/*)
    check cmp "$top/bin/guess" "$static"
    for doc in THIRD-PARTY-NOTICES.txt copyright README; do check test -f "$top/share/doc/guess/$doc"; done
    check for_players "$top/share/doc/guess/README"
    check test -f "$top/share/man/man6/guess.6.gz"
    rm -rf "$work/tar"
done

# The static program's packages for the other families: the files the
# Debian package has, where these systems have them, and the notices.
holds_all() {  # holds_all TREE: what is unpacked of a package
    check cmp "$1/usr/bin/guess" "$static"
    for file in share/man/man6/guess.6.gz share/doc/guess/copyright share/doc/guess/THIRD-PARTY-NOTICES.txt \
        share/icons/hicolor/scalable/apps/guess.svg share/icons/hicolor/48x48/apps/guess.png; do
        check test -f "$1/usr/$file"
    done
    check for_players "$1/usr/share/doc/guess/README"
    check test "$(sed -n 's/^Exec=//p' "$1/usr/share/applications/guess.desktop")" = /usr/bin/guess
}
check test "$(shipped '\.rpm')" = "$(expected "$rpm_architecture")"
for rpm in $(grep '\.rpm$' "$packages"); do
    query() { rpm -qp --qf "$1" "$rpm" 2>/dev/null; }
    check test "$(query '%{ARCH}')" = "$rpm_architecture"
    check sh -c '! rpm -qp --requires "$1" 2>/dev/null | grep -v "^rpmlib("' - "$rpm"  # no requirement but rpm's own
    check sh -c 'rpm -qp --changelog "$1" 2>/dev/null | grep -q "^\* .* - $2-1\$"' - "$rpm" "$(query '%{VERSION}')"
    mkdir "$work/rpm" && bsdtar -xf "$rpm" -C "$work/rpm" || exit 1
    holds_all "$work/rpm"
    rm -rf "$work/rpm"
done
check test "$(shipped '\.pkg\.tar\.zst')" = "$(expected "$pacman_architecture")"
for package in $(grep '\.pkg\.tar\.zst$' "$packages"); do
    mkdir "$work/pacman" && bsdtar -xf "$package" -C "$work/pacman" || exit 1
    info() { sed -n "s/^$1 = //p" "$work/pacman/.PKGINFO"; }
    check test "$(info arch)" = "$pacman_architecture"
    check test -z "$(info depend)"
    check test -f "$work/pacman/usr/share/licenses/guess/LICENSE"
    holds_all "$work/pacman"
    rm -rf "$work/pacman"
done
exit $fail
