#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Debian repository of a release (scripts/make-apt-repository.cmake):
# every Debian package of the release, indexed for its architecture, and
# dated with the commit's time. Served as a static web server serves it,
# apt, as a player's machine runs it but with a state and settings of its
# own that trust KEYRING alone, offers the version for this machine and
# fetches the very package released. An index changed after signing, or a
# repository signed by another key, is refused.
#   apt_repository.sh DIST KEYRING
dist=$1 keyring=$2
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

apt_for() {  # apt_for NAME: a state and settings of NAME's own, for the repository at $address
    dir=$work/apt-$1
    rm -rf "$dir" && mkdir -p "$dir/etc/apt.conf.d" "$dir/etc/preferences.d" "$dir/etc/sources.list.d" \
        "$dir/etc/trusted.gpg.d" "$dir/state/lists/partial" "$dir/cache/archives/partial" || exit 1
    : >"$dir/status"
    for setting in "Dir::Etc $dir/etc" "Dir::State $dir/state" "Dir::State::status $dir/status" \
        "Dir::Cache $dir/cache" "APT::Sandbox::User root"; do
        echo "${setting% *} \"${setting#* }\";"
    done >"$dir/apt.conf"
    echo "deb [signed-by=$keyring] $address stable main" >"$dir/etc/sources.list"
}
apt_in() {  # apt_in NAME COMMAND...
    name=$1
    shift
    env APT_CONFIG="$work/apt-$name/apt.conf" "$@"
}

serve "$repository"
apt_for released
check quiet apt_in released apt-get update
native=$(ls "$dist"/*_"$(dpkg --print-architecture)".deb)
check test "$(apt_in released apt-cache policy guess | sed -n 's/^ *Candidate: //p')" = "$(dpkg-deb -f "$native" Version)"
mkdir "$work/downloaded" && (cd "$work/downloaded" && quiet apt_in released apt-get download guess)
check cmp "$work/downloaded/$(basename "$native")" "$native"

cp -R "$repository" "$work/changed" && index=$(find "$work/changed" -name Packages | head -n 1) &&
    sed -i 's/^Description: .*/Description: something else/' "$index" && gzip -9n -c "$index" >"$index.gz" || exit 1
serve "$work/changed"
apt_for changed
check refused apt_in changed apt-get update

cp -R "$repository" "$work/other" && rm "$work/other/dists/stable/Release.gpg" || exit 1
sign_as_other "$work/other/dists/stable/Release" "$work/other/dists/stable/InRelease" --clearsign
serve "$work/other"
apt_for other
check refused apt_in other apt-get update
exit $fail
