#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Arch repositories of a release (scripts/make-pacman-repository.cmake):
# one for each architecture, each package as the site ships it at its top,
# of every version, with its signature, and a database dated with the
# commit's time and signed. Served as a static web server serves the site,
# pacman, with a root and a keyring of its own that trust KEYRING alone
# (and the tests' key, which signs the next release: tests/history.sh) and
# require signed databases and packages, installs the package for this
# machine, which plays. Then the next release is uploaded at the same
# address (scripts/upload.sh): the database of before it still fetches its
# package, an update takes the next version, and the release's package is
# still there to install by its address. A database signed by another key
# is refused.
#   pacman_repository.sh DIST KEYRING HISTORY
dist=$1 keyring=$2 history=$3
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"

for package in "$dist"/*.pkg.tar.zst; do
    name=$(basename "$package")
    architecture=${name%.pkg.tar.zst}
    folder=$dist/arch/${architecture##*-}
    check cmp "$folder/$name" "$package"
    for file in "$folder/$name" "$folder/guess.db" "$folder/guess.files"; do
        check quiet gpgv --keyring "$keyring" "$file.sig" "$file"
    done
    check test "$(TZ=UTC0 tar -tzvf "$folder/guess.db" | awk '{ print $4 }' | sort -u)" = \
        "$(date -u -d "@$time" +%Y-%m-%d)"
done

# pacman in a root of its own, which trusts the release's key alone.
cp -R "$dist" "$work/www" || fatal "the release could not be copied to serve"
serve "$work/www"
pacman_key() { quiet pacman-key --gpgdir "$work/keyring" "$@"; }
trust() {  # trust KEYRING: each of its keys
    pacman_key --add "$1" && gpg --no-default-keyring --keyring "$1" --with-colons --list-keys 2>/dev/null |
        awk -F: '/^pub/ { key = 1 } /^fpr/ && key { print $10; key = 0 }' |
        while read -r fingerprint; do pacman_key --lsign-key "$fingerprint" || return; done
}
mkdir -p "$work/root/var/lib/pacman" "$work/cache" "$work/hooks" && pacman_key --init && trust "$keyring" &&
    trust "$key" || fatal "no pacman keyring that trusts the release's key and the tests'"
cat >"$work/pacman.conf" <<END || fatal "no pacman.conf"
[options]
Architecture = $(uname -m)
SigLevel = Required DatabaseRequired
[guess]
Server = ${address}arch/\$arch
END
pacman_in() {
    pacman --config "$work/pacman.conf" --root "$work/root" --dbpath "$work/root/var/lib/pacman" \
        --gpgdir "$work/keyring" --cachedir "$work/cache" --logfile "$work/log.pacman" --hookdir "$work/hooks" \
        --noconfirm "$@"
}
check quiet pacman_in -Sy guess
check plays "$work/root/usr/bin/guess"

package=guess-$version-1-$(uname -m).pkg.tar.zst
upload "$history/next" "$work/www"
rm -f "$work/cache"/* && check quiet pacman_in -S guess  # by the database of before the upload
check cmp "$work/cache/$package" "$dist/$package"
check quiet pacman_in -Syu
check test "$(pacman_in -Q guess)" = "guess $next-1"
check quiet pacman_in -U "${address}arch/$(uname -m)/$package"
check test "$(pacman_in -Q guess)" = "guess $version-1"

# A database signed by another key is refused.
for file in "$work"/www/arch/*/guess.db; do
    sign_as_other "$file" "$file.sig" --detach-sign
done
rm -rf "$work/root/var/lib/pacman/sync"
check refused pacman_in -Sy
exit $fail
