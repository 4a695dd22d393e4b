#!/bin/sh
# The install tree and the Debian package hold the program and its manual
# page, and the package says what it is.
#   install_and_package.sh BUILD_DIR CMAKE CPACK
build=$1 cmake=$2 cpack=$3
stage=$(mktemp -d) || exit 1
trap 'rm -rf "$stage"' EXIT
fail=0
check() { if ! "$@"; then echo "FAILED: $*"; fail=1; fi; }

"$cmake" --install "$build" --prefix "$stage/usr" >/dev/null || exit 1
check test -x "$stage/usr/bin/guess"
check test -f "$stage/usr/share/man/man6/guess.6"

(cd "$stage" && "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$stage/deb" >/dev/null) || exit 1
deb=$(ls "$stage"/deb/*.deb) || exit 1
contents=$(dpkg-deb -c "$deb") || exit 1
printf '%s\n' "$contents"
check sh -c 'printf "%s\n" "$1" | grep -q " \./usr/bin/guess$"' - "$contents"
check sh -c 'printf "%s\n" "$1" | grep -q " \./usr/share/man/man6/guess\.6$"' - "$contents"
check test "$(dpkg-deb -f "$deb" Section)" = games
check test -n "$(dpkg-deb -f "$deb" Maintainer)"
check test -n "$(dpkg-deb -f "$deb" Description)"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Description Depends
exit $fail
