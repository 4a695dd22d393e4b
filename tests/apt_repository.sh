#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Debian repository of a release (scripts/make-apt-repository.cmake):
# every Debian package of the release, indexed for its architecture, and
# dated with the commit's time. Served as a static web server serves it,
# apt, as a player's machine runs it but with a state and settings of its
# own that trust KEYRING alone (and the next version's key of the tests'
# own), offers the version for this machine and fetches the very package
# released. An index changed after signing, or a repository signed by
# another key, is refused.
# And as autopkgtest tests a package: apt installs this machine's .deb as
# the README says (apt install ./FILE) into a root that holds only what its
# dependencies bring, where the program plays; then takes the next version
# from the repository, at the same address. A .deb that leaves a library
# it needs out of its dependencies does not play there. Run as root, which
# dpkg and chroot need.
#   apt_repository.sh DIST KEYRING
dist=$1 keyring=$2
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

apt_for() {  # apt_for NAME: a state, settings and root of NAME's own, for the repository at $address
    dir=$work/apt-$1
    rm -rf "$dir" && mkdir -p "$dir/etc/apt.conf.d" "$dir/etc/preferences.d" "$dir/etc/sources.list.d" \
        "$dir/etc/trusted.gpg.d" "$dir/state/lists/partial" "$dir/cache/archives/partial" \
        "$dir/root/var/lib/dpkg/info" "$dir/root/var/lib/dpkg/updates" "$dir/root/var/lib/dpkg/triggers" || fatal "no folders for apt's own state"
    : >"$dir/root/var/lib/dpkg/status"
    for setting in "Dir::Etc $dir/etc" "Dir::State $dir/state" "Dir::State::status $dir/root/var/lib/dpkg/status" \
        "Dir::Cache $dir/cache" "APT::Sandbox::User root" "APT::Install-Recommends false" \
        "DPkg::Options:: --root=$dir/root"; do
        echo "${setting% *} \"${setting#* }\";"
    done >"$dir/apt.conf"
    printf 'deb [signed-by=%s] %s stable main\ndeb [trusted=yes] file:%s ./\n' "$trusted" "$address" "$archive" \
        >"$dir/etc/sources.list"
}
apt_in() {  # apt_in NAME COMMAND...
    name=$1
    shift
    env APT_CONFIG="$work/apt-$name/apt.conf" "$@"
}

# The release, then the next version, at the same address: both keys are
# trusted, as next_version signs the next with a key of the tests' own.
make_key next
gpg --export next@guess.invalid | cat "$keyring" - >"$work/trusted.gpg" || fatal "no keyring of the release's key and the next version's"
trusted=$work/trusted.gpg
mkdir "$work/www" && cp -R "$repository/." "$work/www" || fatal "the repository could not be copied to serve"
serve "$work/www"
apt_for installed
check quiet apt_in installed apt-get update
native=$(ls "$dist"/*_"$(dpkg --print-architecture)".deb)
check test "$(apt_in installed apt-cache policy guess | sed -n 's/^ *Candidate: //p')" = "$(dpkg-deb -f "$native" Version)"
mkdir "$work/downloaded" && (cd "$work/downloaded" && quiet apt_in installed apt-get download guess)
check cmp "$work/downloaded/$(basename "$native")" "$native"

# What apt chooses to install with it, made into the archive; installed.
for package in $(apt_in installed apt-get -s install "$native" |
    sed -n 's/^Inst \([^ ]*\) ([^[]*\[\([^]]*\)\]).*/\1:\2/p' | grep -v '^guess:'); do
    repack "$package"
done
(cd "$archive" && apt-ftparchive packages . >Packages) && quiet apt_in installed apt-get update || fatal "the archive of dependencies could not be indexed"
check quiet apt_in installed apt-get install -y "$native"
check plays chroot "$work/apt-installed/root" /usr/games/guess
next_version deb
rm -rf "$work/www"/* && cp -R "$work/next-dist/apt/." "$work/www" || fatal "the next version could not be put in place"
check quiet apt_in installed apt-get update
check quiet apt_in installed apt-get upgrade -y
check test "$(dpkg-query --admindir="$work/apt-installed/root/var/lib/dpkg" -W -f '${Version}' guess)" = "$next"
check plays chroot "$work/apt-installed/root" /usr/games/guess

dpkg-deb -R "$native" "$work/lacking" && sed -i -E '/^Depends:/ s/(, )?libstdc\+\+6[^,]*//' "$work/lacking/DEBIAN/control" &&
    dpkg-deb -b "$work/lacking" "$work/lacking.deb" >/dev/null || fatal "no package that lacks a dependency"
apt_for lacking
check quiet apt_in lacking apt-get update
check quiet apt_in lacking apt-get install -y "$work/lacking.deb"
check refused plays chroot "$work/apt-lacking/root" /usr/games/guess

trusted=$keyring
cp -R "$repository" "$work/changed" && index=$work/changed/dists/stable/main/binary-$(dpkg --print-architecture)/Packages &&
    sed -i 's/^Description: .*/Description: something else/' "$index" && gzip -9n -c "$index" >"$index.gz" || fatal "the index could not be changed"
serve "$work/changed"
apt_for changed
check refused apt_in changed apt-get update

cp -R "$repository" "$work/other" && rm "$work/other/dists/stable/Release.gpg" || fatal "the repository could not be copied"
sign_as_other "$work/other/dists/stable/Release" "$work/other/dists/stable/InRelease" --clearsign
serve "$work/other"
apt_for other
check refused apt_in other apt-get update
exit $fail
