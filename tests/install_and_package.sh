#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The install tree and the Debian package hold the program, its manual page
# and its desktop menu entry and icon where Debian has them, and the package
# says what it is and what it needs. The package is left in OUT_DIR for the checks that follow.
#   install_and_package.sh BUILD_DIR CMAKE CPACK OUT_DIR
build=$1 cmake=$2 cpack=$3 out=$4
stage=$(mktemp -d) || exit 1
trap 'rm -rf "$stage"' EXIT
. "$(dirname "$0")/check.sh"

"$cmake" --install "$build" --prefix "$stage/usr" >/dev/null || exit 1
check test -x "$stage/usr/games/guess"
check test -f "$stage/usr/share/man/man6/guess.6.gz"
check test -f "$stage/usr/share/doc/guess/copyright"
check test -f "$stage/usr/share/applications/guess.desktop"
check test -f "$stage/usr/share/icons/hicolor/scalable/apps/guess.svg"

rm -rf "$out" && mkdir -p "$out" || exit 1
(cd "$stage" && "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null) || exit 1
deb=$(ls "$out"/*.deb) || exit 1
contents=$(dpkg-deb -c "$deb") || exit 1
printf '%s\n' "$contents"
for file in usr/games/guess usr/share/man/man6/guess.6.gz usr/share/doc/guess/copyright \
    usr/share/applications/guess.desktop usr/share/icons/hicolor/scalable/apps/guess.svg \
    usr/share/icons/hicolor/48x48/apps/guess.png; do
    check sh -c 'printf "%s\n" "$1" | grep -q " \./$2\$"' - "$contents" "$file"
done
check test "$(dpkg-deb -f "$deb" Section)" = games
check test "$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/guess.desktop |
    sed -n 's/^Exec=//p')" = /usr/games/guess
check sh -c 'dpkg-deb -f "$1" Depends | grep -q libc6' - "$deb"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Description Depends
exit $fail
