#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Arch repositories of a release (scripts/make-pacman-repository.cmake):
# one for each architecture, each package as the release ships it at its
# top, with its signature, and a database dated with the commit's time and
# signed. Served as a static web server serves them, pacman, with a root
# and a keyring of its own that trust KEYRING alone and require signed
# databases and packages, installs the package for this machine, which
# plays; then takes the next version, put at the same address. A database
# signed by another key is refused.
#   pacman_repository.sh DIST KEYRING
dist=$1 keyring=$2
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
mkdir "$work/www" && cp -R "$dist/arch/." "$work/www" || fatal "the repository could not be copied to serve"
serve "$work/www"
pacman_key() { quiet pacman-key --gpgdir "$work/keyring" "$@"; }
trust() {  # trust KEYRING: each of its keys
    pacman_key --add "$1" && gpg --no-default-keyring --keyring "$1" --with-colons --list-keys |
        awk -F: '/^pub/ { key = 1 } /^fpr/ && key { print $10; key = 0 }' |
        while read -r fingerprint; do pacman_key --lsign-key "$fingerprint" || return; done
}
mkdir -p "$work/root/var/lib/pacman" "$work/cache" "$work/hooks" && pacman_key --init && trust "$keyring" || fatal "no pacman keyring that trusts the release's key"
cat >"$work/pacman.conf" <<END || fatal "no pacman.conf"
[options]
Architecture = $(uname -m)
SigLevel = Required DatabaseRequired
[guess]
Server = $address\$arch
END
pacman_in() {
    pacman --config "$work/pacman.conf" --root "$work/root" --dbpath "$work/root/var/lib/pacman" \
        --gpgdir "$work/keyring" --cachedir "$work/cache" --logfile "$work/log.pacman" --hookdir "$work/hooks" \
        --noconfirm "$@"
}
check quiet pacman_in -Sy guess
check plays "$work/root/usr/bin/guess"

# The next version at the same address, newer than the last.
next_version pacman
gpg --export next@guess.invalid >"$work/next.gpg" && trust "$work/next.gpg" || fatal "the next version's key could not be trusted"
rm -rf "$work/www"/* && cp -R "$work/next-dist/arch/." "$work/www" || fatal "the next version could not be put in place"
check quiet pacman_in -Syu
check test "$(pacman_in -Q guess)" = "guess $next-1"

# A database signed by another key is refused.
for file in "$work"/www/*/guess.db; do
    sign_as_other "$file" "$file.sig" --detach-sign
done
rm -rf "$work/root/var/lib/pacman/sync"
check refused pacman_in -Sy
exit $fail
