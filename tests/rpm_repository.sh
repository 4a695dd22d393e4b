#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The RPM repository of a release (scripts/make-rpm-repository.cmake), made
# of the RPM packages the products shipped, with a throwaway key. Each
# package is signed, and holds the very header and payload built. The
# index is dated with the commit's time and has no database; its signature
# verifies with the key beside it. Served as a static web server serves it,
# dnf and zypper, each with a root of its own that trusts nothing else,
# install the package for this machine, which plays; then take the next
# version, made from the same build, put at the same address. An index
# changed after signing, or signed by another key, is refused.
#   rpm_repository.sh CMAKE MAKE_RPM_REPOSITORY SETTINGS PACKAGES COMMIT_TIME CPACK NATIVE_BUILD NEXT_VERSION
cmake=$1 script=$2 settings=$3 packages=$4 time=$5 cpack=$6 native=$7 next=$8
. "$(dirname "$0")/repository.sh"

make_repository "$work/dist" "$packages"
rpm=$work/dist/rpm
check test "$(ls "$rpm" | grep -v repodata)" = "$(grep '\.rpm$' "$packages" | sed 's|.*/||' | LC_ALL=C sort)"
check grep -qx 'repo_gpgcheck=1' "$work/dist/guess.repo"

# Signed, with the header and payload built.
mkdir "$work/rpmdb" && quiet rpmkeys --dbpath "$work/rpmdb" --import "$rpm/repodata/repomd.xml.key" || exit 1
for built in $(grep '\.rpm$' "$packages"); do
    signed=$rpm/$(basename "$built")
    check cmp "$signed" "$work/dist/$(basename "$built")"
    check sh -c 'rpmkeys --dbpath "$1" --checksig "$2" | grep -q "digests signatures OK"' - "$work/rpmdb" "$signed"
    rpm_body "$signed" >"$work/signed" && rpm_body "$built" >"$work/built"
    check cmp "$work/signed" "$work/built"
done
check quiet gpg --verify "$rpm/repodata/repomd.xml.asc" "$rpm/repodata/repomd.xml"
check grep -q "<revision>$time</revision>" "$rpm/repodata/repomd.xml"
check test -z "$(grep '<timestamp>' "$rpm/repodata/repomd.xml" | grep -v ">$time<")"
check test -z "$(ls "$rpm/repodata" | grep -e sqlite -e '\.db')"
check test -z "$(gzip -dc "$rpm"/repodata/*-primary.xml.gz | grep -o '<time file="[0-9]*"' | grep -v "\"$time\"")"

# dnf and zypper, each in a root of its own, from the same address.
mkdir "$work/www" && cp -R "$rpm/." "$work/www" || exit 1
serve "$work/www"
mkdir -p "$work/dnf/repos" && cat >"$work/dnf/repos/guess.repo" <<EOF || exit 1
[guess]
name=guess
baseurl=$address
gpgcheck=1
repo_gpgcheck=1
gpgkey=${address}repodata/repomd.xml.key
EOF
dnf_in() {
    dnf --installroot="$work/dnf/root" --setopt=reposdir="$work/dnf/repos" --setopt=cachedir="$work/dnf/cache" \
        --releasever=1 --forcearch="$(uname -m)" -y "$@"
}
zypper_in() { zypper --root "$work/zypper" --non-interactive --gpg-auto-import-keys "$@"; }
installed() { rpm --root "$1" -q --qf '%{VERSION}' guess; }
check quiet dnf_in install guess
check plays "$work/dnf/root/usr/bin/guess"
check quiet zypper_in addrepo "$address" guess
check quiet zypper_in install guess
check plays "$work/zypper/usr/bin/guess"

# The next version at the same address: both update to it.
make_next RPM
rm -rf "$work/www"/* && cp -R "$work/next-dist/rpm/." "$work/www" || exit 1
check quiet dnf_in --refresh upgrade
check test "$(installed "$work/dnf/root")" = "$next"
check quiet zypper_in --no-refresh refresh --force
check quiet zypper_in update
check test "$(installed "$work/zypper")" = "$next"

# A changed index, or one signed by another key, is refused.
for mutation in changed other; do
    rm -rf "$work/www"/* "$work/dnf/cache" "$work/dnf/root" "$work/zypper" && cp -R "$rpm/." "$work/www" || exit 1
    primary=$(ls "$work"/www/repodata/*-primary.xml.gz)
    case $mutation in
    changed) gzip -dc "$primary" | sed 's|<summary>[^<]*|<summary>something else|' | gzip -9n >"$primary.new" &&
        mv "$primary.new" "$primary" ;;
    other) sign_as_other "$work/www/repodata/repomd.xml" "$work/www/repodata/repomd.xml.asc" --armor --detach-sign ;;
    esac || exit 1
    check refused dnf_in install guess
    zypper_in addrepo "$address" guess >/dev/null 2>&1
    check refused zypper_in install guess
done
exit $fail
