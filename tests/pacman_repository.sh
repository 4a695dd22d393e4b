#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Arch repositories of a release (scripts/make-pacman-repository.cmake,
# tests/release.sh), of the Arch packages the products shipped: one for
# each architecture, each package as the release ships it at its top, with
# its signature, and a database dated with the commit's time and signed,
# all with the key the release publishes. Served as a static web server
# serves them, pacman, with a root and a keyring of its own that trust that
# key alone and require signed databases and packages, installs the package
# for this machine, which plays; then takes the next version, made from the
# same build, put at the same address. A database signed by another key is
# refused.
#   pacman_repository.sh RELEASE_DIR PACKAGES COMMIT_TIME CMAKE MAKE_PACMAN_REPOSITORY SETTINGS CPACK NATIVE_BUILD NEXT_VERSION
release=$1 packages=$2 time=$3 cmake=$4 script=$5 settings=$6 cpack=$7 native=$8 next=$9
. "$(dirname "$0")/repository.sh"

for built in $(grep '\.pkg\.tar\.zst$' "$packages"); do
    name=$(basename "$built")
    architecture=${name%.pkg.tar.zst}
    architecture=${architecture##*-}
    folder=$dist/arch/$architecture
    check cmp "$folder/$name" "$dist/$name"
    for file in "$folder/$name" "$folder/guess.db" "$folder/guess.files"; do
        check signed "$file" "$file.sig"
    done
    check test "$(TZ=UTC0 tar -tzvf "$folder/guess.db" | awk '{ print $4 }' | sort -u)" = \
        "$(date -u -d "@$time" +%Y-%m-%d)"
done

# pacman in a root of its own, which trusts the repository's key alone.
mkdir "$work/www" && cp -R "$dist/arch/." "$work/www" || exit 1
serve "$work/www"
mkdir -p "$work/root/var/lib/pacman" "$work/cache" "$work/hooks" &&
    quiet pacman-key --gpgdir "$work/keyring" --init && quiet pacman-key --gpgdir "$work/keyring" --add "$keyring" &&
    quiet pacman-key --gpgdir "$work/keyring" --lsign-key test@guess.invalid || exit 1
cat >"$work/pacman.conf" <<EOF || exit 1
[options]
Architecture = $(uname -m)
SigLevel = Required DatabaseRequired
[guess]
Server = $address\$arch
EOF
pacman_in() {
    pacman --config "$work/pacman.conf" --root "$work/root" --dbpath "$work/root/var/lib/pacman" \
        --gpgdir "$work/keyring" --cachedir "$work/cache" --logfile "$work/log.pacman" --hookdir "$work/hooks" \
        --noconfirm "$@"
}
check quiet pacman_in -Sy guess
check plays "$work/root/usr/bin/guess"

# The next version at the same address, newer than the last.
make_next External
rm -rf "$work/www"/* && cp -R "$work/next-dist/arch/." "$work/www" || exit 1
check quiet pacman_in -Syu
check test "$(pacman_in -Q guess)" = "guess $next-1"

# A database signed by another key is refused.
for file in "$work"/www/*/guess.db; do
    sign_as_other "$file" "$file.sig" --detach-sign
done
rm -rf "$work/root/var/lib/pacman/sync"
check refused pacman_in -Sy
exit $fail
