#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Debian repository of a release (scripts/make-apt-repository.cmake):
# every Debian package of the site, of every version, indexed for its
# architecture, and dated with the commit's time. Served as a static web
# server serves the site, apt, as a player's machine runs it but with a
# state and settings of its own that trust KEYRING alone (and the tests'
# key, which signs the next release: tests/history.sh), offers the version
# for this machine and fetches the very package released.
# And as autopkgtest tests a package: apt installs this machine's .deb as
# the README says (apt install ./FILE) into a root that holds only what its
# dependencies bring, where the program plays. Then the next release is
# uploaded at the same address (scripts/upload.sh): an index of before it
# still fetches its package, an update takes the next version, and the
# release's can still be installed. Halfway through an upload, with the new
# InRelease and the indexes of before, or the other way round, apt updates
# to the version of the InRelease it read. A .deb that leaves a library it
# needs out of its dependencies does not play; an index changed after
# signing, or a repository signed by another key, is refused. Run as root,
# which dpkg and chroot need.
#   apt_repository.sh DIST KEYRING HISTORY
dist=$1 keyring=$2 history=$3
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"

repository=$dist/apt
release_file=$repository/dists/stable/Release
check grep -qx "Date: $(LC_ALL=C date -u -d "@$time" '+%a, %d %b %Y %H:%M:%S UTC')" "$release_file"
check test "$(ls "$repository/pool")" = "$(cd "$dist" && ls ./*.deb | sed 's|^\./||' | LC_ALL=C sort)"
for deb in "$dist"/*.deb; do
    architecture=$(dpkg-deb -f "$deb" Architecture)
    check grep -q "^Architectures: .*\\b$architecture\\b" "$release_file"
    check test -s "$repository/dists/stable/main/binary-$architecture/Packages.gz"
done

# The archive that a root's dependencies come from: this machine's own
# packages, with what its dpkg status says of them as the index (where
# they are, and their size, which apt asks of a package before it chooses
# it); those apt chooses are made again of their installed files, without
# the maintainer scripts, which would run on this machine (dpkg installs
# into a root from outside).
archive=$work/archive
mkdir "$archive" && awk -v RS= -v ORS='\n\n' '/\nStatus: install ok installed/ {
    sub(/\nStatus: [^\n]*/, ""); print $0 "\nFilename: repacked\nSize: 1" }' /var/lib/dpkg/status >"$archive/Packages" ||
    fatal "no archive of this machine's packages"
repack() {  # repack PACKAGE:ARCHITECTURE
    tree=$work/repacked/$1
    mkdir -p "$tree/DEBIAN" && dpkg-query -L "$1" | while read -r file; do [ -d "$file" ] || echo "${file#/}"; done |
        tar -C / -cf - -T - | tar -xf - -C "$tree" &&
        dpkg-query -s "$1" | grep -v -e '^Status:' -e '^Conffiles:' -e '^ /' >"$tree/DEBIAN/control" &&
        dpkg-deb --root-owner-group -Zgzip -z1 -b "$tree" "$archive" >/dev/null || fatal "$1 could not be made again"
}

apt_for() {  # apt_for NAME: a state, settings and root of NAME's own, for the site at $address
    dir=$work/apt-$1
    rm -rf "$dir" && mkdir -p "$dir/etc/apt.conf.d" "$dir/etc/preferences.d" "$dir/etc/sources.list.d" \
        "$dir/etc/trusted.gpg.d" "$dir/state/lists/partial" "$dir/cache/archives/partial" \
        "$dir/root/var/lib/dpkg/info" "$dir/root/var/lib/dpkg/updates" "$dir/root/var/lib/dpkg/triggers" ||
        fatal "no folders for apt's own state"
    : >"$dir/root/var/lib/dpkg/status"
    for setting in "Dir::Etc $dir/etc" "Dir::State $dir/state" "Dir::State::status $dir/root/var/lib/dpkg/status" \
        "Dir::Cache $dir/cache" "APT::Sandbox::User root" "APT::Install-Recommends false" \
        "DPkg::Options:: --root=$dir/root"; do
        echo "${setting% *} \"${setting#* }\";"
    done >"$dir/apt.conf"
    printf 'deb [signed-by=%s] %sapt/ stable main\ndeb [trusted=yes] file:%s ./\n' "$trusted" "$address" "$archive" \
        >"$dir/etc/sources.list"
}
apt_in() {  # apt_in NAME COMMAND...
    name=$1
    shift
    env APT_CONFIG="$work/apt-$name/apt.conf" "$@"
}

version_in() { dpkg-query --admindir="$work/apt-$1/root/var/lib/dpkg" -W -f '${Version}' guess; }
candidate() { apt_in "$1" apt-cache policy guess | sed -n 's/^ *Candidate: //p'; }

# The release, then the next one, at the same address.
cat "$keyring" "$key" >"$work/trusted.gpg" || fatal "no keyring of the release's key and the tests'"
trusted=$work/trusted.gpg
cp -R "$dist" "$work/www" || fatal "the release could not be copied to serve"
serve "$work/www"
apt_for installed
check quiet apt_in installed apt-get update
native=$dist/guess_${version}_$(dpkg --print-architecture).deb
check test "$(candidate installed)" = "$version"
download() { rm -rf "$work/got" && mkdir "$work/got" && (cd "$work/got" && quiet apt_in installed apt-get download guess); }
check download
check cmp "$work/got/$(basename "$native")" "$native"

# What apt chooses to install with it, made into the archive; installed.
for package in $(apt_in installed apt-get -s install "$native" |
    sed -n 's/^Inst \([^ ]*\) ([^[]*\[\([^]]*\)\]).*/\1:\2/p' | grep -v '^guess:'); do
    repack "$package"
done
(cd "$archive" && apt-ftparchive packages . >Packages) && quiet apt_in installed apt-get update ||
    fatal "the archive of dependencies could not be indexed"
check quiet apt_in installed apt-get install -y "$native"
check plays chroot "$work/apt-installed/root" /usr/games/guess
upload "$history/next" "$work/www"
check download  # by the index of before the upload
check cmp "$work/got/$(basename "$native")" "$native"
check quiet apt_in installed apt-get update
check quiet apt_in installed apt-get upgrade -y
check test "$(version_in installed)" = "$next"
check plays chroot "$work/apt-installed/root" /usr/games/guess
check quiet apt_in installed apt-get install -y --allow-downgrades "guess=$version"
check test "$(version_in installed)" = "$version"

# Halfway through the upload: the InRelease of one release, the indexes of
# the other.
while read -r version_read files; do
    rm -rf "$work/half" && cp -R "$history/next" "$work/half" &&
        (cd "$dist/apt/dists/stable" && cp --parents $files "$work/half/apt/dists/stable") ||
        fatal "no site halfway through the upload"
    serve "$work/half"
    apt_for half
    check quiet apt_in half apt-get update
    check test "$(candidate half)" = "$version_read"
done <<END
$next main/binary-*/Packages main/binary-*/Packages.gz
$version InRelease Release Release.gpg
END

dpkg-deb -R "$native" "$work/lacking" && sed -i -E '/^Depends:/ s/(, )?libstdc\+\+6[^,]*//' "$work/lacking/DEBIAN/control" &&
    dpkg-deb -b "$work/lacking" "$work/lacking.deb" >/dev/null || fatal "no package that lacks a dependency"
apt_for lacking
check quiet apt_in lacking apt-get update
check quiet apt_in lacking apt-get install -y "$work/lacking.deb"
check refused plays chroot "$work/apt-lacking/root" /usr/games/guess

# The indexes changed, as apt asks for them: by their hash.
trusted=$keyring
cp -R "$dist" "$work/changed" && index=$work/changed/apt/dists/stable/main/binary-$(dpkg --print-architecture) &&
    sed -i 's/^Description: .*/Description: something else/' "$index/Packages" &&
    gzip -9n -c "$index/Packages" >"$index/Packages.gz" && for file in "$index"/by-hash/SHA512/*; do
        if gzip -t "$file" 2>/dev/null; then cp "$index/Packages.gz" "$file"; else cp "$index/Packages" "$file"; fi ||
            fatal "$file could not be changed"
    done || fatal "the index could not be changed"
serve "$work/changed"
apt_for changed
check refused apt_in changed apt-get update

cp -R "$dist" "$work/other" && rm "$work/other/apt/dists/stable/Release.gpg" || fatal "the release could not be copied"
sign_as_other "$work/other/apt/dists/stable/Release" "$work/other/apt/dists/stable/InRelease" --clearsign
serve "$work/other"
apt_for other
check refused apt_in other apt-get update
exit $fail
