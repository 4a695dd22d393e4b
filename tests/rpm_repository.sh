#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The RPM repository of a release (scripts/make-rpm-repository.cmake): each
# RPM package of the site, of every version, as it ships at its top, signed
# with the key the release is trusted with, KEYRING (KEY armoured, as rpm
# takes it). The index is dated with the commit's time and has no
# database; its signature verifies with the key. guess.repo names the
# release's address: GUESS_DOWNLOAD_URL, as the release was made with, or
# the README's placeholder.
# Served as a static web server serves the site, dnf and zypper, each with a
# root of its own that trusts nothing else but the tests' key, which signs
# the next release (tests/history.sh), and the release's guess.repo for its
# address, install the package for this machine, which plays; then take the
# next version, uploaded at the same address (scripts/upload.sh), where dnf
# lists both and goes back to the release's. With the repomd.xml of before
# the upload, dnf still finds the index it names. An index changed after
# signing, or signed by another key, is refused.
#   rpm_repository.sh DIST KEYRING HISTORY KEY
dist=$1 keyring=$2 history=$3 armoured=$4
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"

rpm=$dist/rpm
check test "$(cd "$rpm" && echo ./*)" = "$(cd "$dist" && echo ./*.rpm) ./repodata"
mkdir "$work/rpmdb" && quiet rpmkeys --dbpath "$work/rpmdb" --import "$armoured" || fatal "rpm could not import the key"
for package in "$dist"/*.rpm; do
    name=$(basename "$package")
    check cmp "$rpm/$name" "$package"
    check sh -c 'rpmkeys --dbpath "$1" --checksig "$2" | grep -q "digests signatures OK"' - "$work/rpmdb" "$package"
done
check quiet gpgv --keyring "$keyring" "$rpm/repodata/repomd.xml.asc" "$rpm/repodata/repomd.xml"
check grep -q "<revision>$time</revision>" "$rpm/repodata/repomd.xml"
check test -z "$(grep '<timestamp>' "$rpm/repodata/repomd.xml" | grep -v ">$time<")"
check test -z "$(find "$rpm/repodata" -name '*sqlite*' -o -name '*.db*')"
primary=$(sed -n 's|.*<location href="\(repodata/[^"]*-primary\.xml\.gz\)"/>.*|\1|p' "$rpm/repodata/repomd.xml")
check test -z "$(gzip -dc "$rpm/$primary" | grep -o '<time file="[0-9]*"' | grep -v "\"$time\"")"

named=${GUESS_DOWNLOAD_URL:-https://example.org/guess/}
check grep -qx "baseurl=${named%/}/rpm/" "$dist/guess.repo"

# dnf and zypper, each in a root of its own, from the same address: what a
# player adds, with this server's address in place of the release's, and the
# keys it trusts.
cp -R "$dist" "$work/www" || fatal "the release could not be copied to serve"
serve "$work/www"
base=$(sed -n 's/^baseurl=//p' "$dist/guess.repo")
gpg --batch --quiet --import "$key" && gpg --export --armor >"$work/next.asc" && mkdir -p "$work/dnf/repos" &&
    sed -e "s|$base|${address}rpm/|g" -e "s|^gpgkey=.*|gpgkey=file://$armoured file://$work/next.asc|" \
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

# The next release at the same address: both update to it, and dnf, which
# lists both versions, goes back.
upload "$history/next" "$work/www"
check quiet dnf_in --refresh upgrade
check test "$(installed "$work/dnf/root")" = "$next"
listed=$(dnf_in list --showduplicates guess 2>/dev/null)  # those available for this machine
check test "$(echo "$listed" | grep -c -E "^guess\.$(uname -m) +($version|$next)-1 +guess *\$")" = 2
check quiet dnf_in downgrade guess
check test "$(installed "$work/dnf/root")" = "$version"
check quiet zypper_in --no-refresh refresh --force
check quiet zypper_in update
check test "$(installed "$work/zypper")" = "$next"
# Halfway through the upload: the repomd.xml of before.
cp "$dist"/rpm/repodata/repomd.xml* "$work/www/rpm/repodata" || fatal "no site halfway through the upload"
check quiet dnf_in --refresh makecache

# A changed index, or one signed by another key, is refused.
for mutation in changed other; do
    rm -rf "$work/www" "$work/dnf/cache" "$work/dnf/root" "$work/zypper" && cp -R "$dist" "$work/www" ||
        fatal "the release could not be served again"
    case $mutation in
    changed) for primary in "$work"/www/rpm/repodata/*-primary.xml.gz; do
            gzip -dc "$primary" | sed 's|<summary>[^<]*|<summary>something else|' | gzip -9n >"$primary.new" &&
                mv "$primary.new" "$primary" || fatal "$primary could not be changed"
        done ;;
    other) sign_as_other "$work/www/rpm/repodata/repomd.xml" "$work/www/rpm/repodata/repomd.xml.asc" --armor --detach-sign ;;
    esac || fatal "the index could not be changed: $mutation"
    check refused dnf_in install guess
    zypper_in addrepo "$work/dnf/repos/guess.repo" >/dev/null 2>&1
    check refused zypper_in install guess
done
exit $fail
