#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The RPM repository of a release (scripts/make-rpm-repository.cmake): each
# RPM package of the release, as it ships at its top, signed with the key
# the release is trusted with, KEYRING (KEY armoured, as rpm takes it). The
# index is dated with the commit's time and has no database; its signature
# verifies with the key.
# Served as a static web server serves it, dnf and zypper, each with a root
# of its own that trusts nothing else, and the release's guess.repo for its
# address, install the package for this machine, which plays; then take
# the next version, put at the same address. An index changed after
# signing, or signed by another key, is refused.
#   rpm_repository.sh DIST KEYRING KEY
dist=$1 keyring=$2 key=$3
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"

rpm=$dist/rpm
check test "$(cd "$rpm" && echo ./*)" = "$(cd "$dist" && echo ./*.rpm) ./repodata"
mkdir "$work/rpmdb" && quiet rpmkeys --dbpath "$work/rpmdb" --import "$key" || fatal "rpm could not import the key"
for package in "$dist"/*.rpm; do
    name=$(basename "$package")
    check cmp "$rpm/$name" "$package"
    check sh -c 'rpmkeys --dbpath "$1" --checksig "$2" | grep -q "digests signatures OK"' - "$work/rpmdb" "$package"
done
check quiet gpgv --keyring "$keyring" "$rpm/repodata/repomd.xml.asc" "$rpm/repodata/repomd.xml"
check grep -q "<revision>$time</revision>" "$rpm/repodata/repomd.xml"
check test -z "$(grep '<timestamp>' "$rpm/repodata/repomd.xml" | grep -v ">$time<")"
check test -z "$(find "$rpm/repodata" -name '*sqlite*' -o -name '*.db*')"
check test -z "$(gzip -dc "$rpm"/repodata/*-primary.xml.gz | grep -o '<time file="[0-9]*"' | grep -v "\"$time\"")"

# dnf and zypper, each in a root of its own, from the same address.
mkdir "$work/www" && cp -R "$rpm/." "$work/www" || fatal "the repository could not be copied to serve"
serve "$work/www"
# What a player adds, with this server's address in place of the release's,
# and the key it is trusted with; and the next version's key too.
next_version rpm
gpg --export --armor next@guess.invalid >"$work/next.asc" || fatal "the next version's key could not be exported"
base=$(sed -n 's/^baseurl=//p' "$dist/guess.repo")
mkdir -p "$work/dnf/repos" && sed -e "s|$base|$address|g" -e "s|^gpgkey=.*|gpgkey=file://$key file://$work/next.asc|" \
    "$dist/guess.repo" >"$work/dnf/repos/guess.repo" || fatal "no guess.repo for the test server"
# dnf makes /run/user/UID, for gpg's sockets, where it can: as root, it
# would make it for root, and Wine, which keeps its server there where that
# folder is and elsewhere where not, would lose the server of a test beside
# this one (tests/wine.sh). So root's dnf has a /run/user of its own, in a
# mount namespace of its own, whose mounts reach no other: they are made
# private where any is shared, which a chroot allows only where none is.
dnf_in() {
    set -- dnf --installroot="$work/dnf/root" --setopt=reposdir="$work/dnf/repos" \
        --setopt=cachedir="$work/dnf/cache" --releasever=1 --forcearch="$(uname -m)" -y "$@"
    if [ "$(id -u)" = 0 ] && [ -d /run/user ]; then
        unshare --mount --propagation unchanged sh -c '{ ! grep -q " shared:" /proc/self/mountinfo ||
            mount --make-rprivate /; } && mount -t tmpfs -o mode=755 guess /run/user && exec "$@"' - "$@"
    else
        "$@"
    fi
}
zypper_in() { zypper --root "$work/zypper" --non-interactive --gpg-auto-import-keys "$@"; }
installed() { rpm --root "$1" -q --qf '%{VERSION}' guess; }
check quiet dnf_in install guess
check plays "$work/dnf/root/usr/bin/guess"
check quiet zypper_in addrepo "$work/dnf/repos/guess.repo"
check quiet zypper_in install guess
check plays "$work/zypper/usr/bin/guess"

# The next version at the same address: both update to it.
rm -rf "$work/www"/* && cp -R "$work/next-dist/rpm/." "$work/www" || fatal "the next version could not be put in place"
check quiet dnf_in --refresh upgrade
check test "$(installed "$work/dnf/root")" = "$next"
check quiet zypper_in --no-refresh refresh --force
check quiet zypper_in update
check test "$(installed "$work/zypper")" = "$next"

# A changed index, or one signed by another key, is refused.
for mutation in changed other; do
    rm -rf "$work/www"/* "$work/dnf/cache" "$work/dnf/root" "$work/zypper" && cp -R "$rpm/." "$work/www" || fatal "the repository could not be served again"
    primary=$(ls "$work"/www/repodata/*-primary.xml.gz)
    case $mutation in
    changed) gzip -dc "$primary" | sed 's|<summary>[^<]*|<summary>something else|' | gzip -9n >"$primary.new" &&
        mv "$primary.new" "$primary" ;;
    other) sign_as_other "$work/www/repodata/repomd.xml" "$work/www/repodata/repomd.xml.asc" --armor --detach-sign ;;
    esac || fatal "the index could not be changed: $mutation"
    check refused dnf_in install guess
    zypper_in addrepo "$work/dnf/repos/guess.repo" >/dev/null 2>&1
    check refused zypper_in install guess
done
exit $fail
