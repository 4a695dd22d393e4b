#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What a Linux player installs. A build's install tree holds the program
# in bin/, its manual page, documents and desktop menu entry and icon. A
# Debian package holds the same, but the program in games/, where Debian
# has games, and the icon at the sizes menus ask for; it says what it
# needs, and lintian finds no error or warning in it (--pedantic). Of the
# static program, the .tar.gz holds it with its documents and the notices
# of what is built into it; the RPM package and the Arch package hold what
# the Debian package holds, but the program in bin/, and the notices, and
# require nothing; rpmlint finds nothing in the RPM package but what
# packaging/rpm/rpmlint.toml says is meant. Each carries the README written
# for a Linux player. A package's own version, and the one its name says,
# are the release's.
# The linters look at every package in one run, as each takes seconds to
# start.
#   linux_packages.sh install CMAKE BUILD_DIR
#   linux_packages.sh PACKAGE UNPACKED_DIR VERSION   a .deb, .tar.gz, .rpm or .pkg.tar.zst
#   linux_packages.sh lint PACKAGE...                lintian and rpmlint
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$work"' EXIT
# The players' README: no pictures it cannot show, nothing of building.
for_players() { ! grep -q -e '!\[' -e 'cmake' -e 'apt-get install -y' "$1"; }
docs=share/doc/guess
icons=share/icons/hicolor
# A tree as it is installed: the program in BIN, and the manual page, the
# terms of use, the README for players and FILES beside it.
tree_holds() {  # tree_holds TREE BIN FILE...
    tree=$1 bin=$2
    shift 2
    check test -x "$tree/$bin/guess"
    for file in share/man/man6/guess.6.gz $docs/copyright "$@"; do check test -f "$tree/$file"; done
    check for_players "$tree/$docs/README"
}
exec_is() { check test "$(sed -n 's/^Exec=//p' "$1/usr/share/applications/guess.desktop")" = "$2"; }
desktop="$icons/scalable/apps/guess.svg $icons/48x48/apps/guess.png"
# What the RPM and Arch packages hold, the static program's.
holds_all() {
    tree_holds "$1/usr" bin $docs/THIRD-PARTY-NOTICES.txt $desktop
    exec_is "$1" /usr/bin/guess
}

# version VERSION SEPARATOR: a package's own version, and its name's.
version() { check test "$1" = "$release"; check named "$package" "guess$2$release$2"; }
package=$1 release=${3:-}
case $1 in
install)
    "$2" --install "$3" --prefix "$work/usr" >/dev/null || fatal "the build could not be installed"
    tree_holds "$work/usr" bin share/applications/guess.desktop $icons/scalable/apps/guess.svg
    ;;
*.deb)
    tree_holds "$2/usr" games $desktop
    exec_is "$2" /usr/games/guess
    version "$(dpkg-deb -f "$1" Version)" _
    check sh -c 'dpkg-deb -f "$1" Depends | grep -q libc6' - "$1"
    ;;
*.tar.gz)
    tree_holds "$(echo "$2"/*)" bin $docs/THIRD-PARTY-NOTICES.txt
    version "$(ls "$2" | sed 's/^guess-\([^-]*\)-.*/\1/')" -
    ;;
*.rpm)
    holds_all "$2"
    version "$(rpm -qp --qf '%{VERSION}' "$1" 2>/dev/null)" -
    check sh -c '! rpm -qp --requires "$1" 2>/dev/null | grep -v "^rpmlib("' - "$1"  # no requirement but rpm's own
    check sh -c 'rpm -qp --changelog "$1" 2>/dev/null | grep -q "^\* .* - $2-1\$"' - "$1" "$release"
    ;;
*.pkg.tar.zst)
    holds_all "$2"
    version "$(sed -n 's/^pkgver = \(.*\)-1$/\1/p' "$2/.PKGINFO")" -
    check test -z "$(sed -n 's/^depend = //p' "$2/.PKGINFO")"
    check test -f "$2/usr/share/licenses/guess/LICENSE"
    ;;
lint)
    shift
    debs=$(printf '%s\n' "$@" | grep '\.deb$') rpms=$(printf '%s\n' "$@" | grep '\.rpm$')
    # In a folder of its own, as lintian leaves files in the one it is given.
    [ -z "$debs" ] || check sh -c '! echo "$2" | TMPDIR="$1" xargs -d "\n" lintian --pedantic -I | grep "^[EW]:"' - \
        "$work" "$debs"
    [ -z "$rpms" ] || check sh -c '! echo "$2" | xargs -d "\n" rpmlint --config "$1" | grep -E "^[^ ]+: [EW]:"' - \
        "$(dirname "$0")/../packaging/rpm/rpmlint.toml" "$rpms"
    ;;
*) echo "unknown package: $1"; exit 2 ;;
esac
exit $fail
