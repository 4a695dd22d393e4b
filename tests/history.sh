#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The release, and the site that the next release publishes over it: the
# next version of this machine's packages, of the Windows ones and of the
# page, made of the release's files by its own packer (scripts/pack.sh) and
# published over the release by scripts/publish.cmake, in HISTORY/next.
# Over HISTORY/earlier, the release as published but for the signature of
# its SHA256SUMS, made again with a key of the tests' own (HISTORY/key.gpg),
# which the next release is signed with too. The checks of the repositories,
# the manifests and the install script are the clients of both.
# The next site is whole and signed, and holds every file of the release,
# byte for byte, but the indexes that name every version. And the release
# command refuses an EARLIER that is not the site its checksums say and
# their signature proves, or that holds the version or a newer one, before
# it makes anything: DIST, EARLIER and TMPDIR stay as they were.
#   history.sh DIST HISTORY
dist=$1 history=$2
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"
make_key next
# The next version's packages are made of the release's, which are signed.
unset GUESS_AUTHENTICODE_PFX GUESS_AUTHENTICODE_PASSWORD
export GUESS_GPG_KEY=next@guess.invalid TMPDIR="$work/tmp" SOURCE_DATE_EPOCH=$((time + 1))
new=$history/new tree=$work/tree arch=$(uname -m) architecture=$(dpkg --print-architecture)
rm -rf "$history" && mkdir -p "$new" "$TMPDIR" && cp -R "$dist" "$history/earlier" &&
    gpg --batch --yes --local-user "$GUESS_GPG_KEY" --armor --detach-sign \
        -o "$history/earlier/SHA256SUMS.asc" "$history/earlier/SHA256SUMS" &&
    gpg --export "$GUESS_GPG_KEY" >"$key" || fatal "no copy of the release signed by the tests' key"

# repack FORMAT SHIPPED [ARGUMENT...]: the next version of the package
# SHIPPED, of what $tree holds, as pack.sh takes it.
repack() {
    format=$1 name=$(basename "$2" | sed "s/$version/$next/")
    shift 2
    quiet bash "$scripts/pack.sh" "$format" "$tree" "$new/$name" "$@" || fatal "$name could not be packed"
}
unpacked() {  # unpacked ARCHIVE: in $tree, with its folder named by the next version
    rm -rf "$tree" && mkdir "$tree" && bsdtar -xf "$1" -C "$tree" &&
        for folder in "$tree"/guess-"$version"-*; do
            [ ! -d "$folder" ] || mv "$folder" "$tree/$(basename "$folder" | sed "s/$version/$next/")" || return
        done
}
shipped=$dist/guess_${version}_$architecture.deb
rm -rf "$tree" && dpkg-deb -x "$shipped" "$tree" &&
    sed -e 's/^@GUESS_DEBIAN_DESCRIPTION@$/ next/' -e 's/@[A-Z_]*@/next/' "$scripts/../packaging/debian/control.in" \
        >"$work/control" &&
    { printf 'guess (%s) unstable; urgency=medium\n\n  * Next.\n\n -- next <next@guess.invalid>  %s\n\n' "$next" \
        "$(date -R -d "@$SOURCE_DATE_EPOCH")" && cat "$scripts/../packaging/debian/changelog"; } >"$work/changelog" ||
    fatal "$shipped could not be unpacked"
repack deb "$shipped" "$architecture" "$work/control" "$work/changelog"
shipped=$dist/guess-$version-1.$arch.rpm  # of the same vendor, which zypper updates only from
unpacked "$shipped" && sed -e "s/@PROJECT_VERSION@/$next/" -e 's/@GUESS_RPM_CHANGELOG@//' \
    -e "s/@GUESS_VENDOR@/$(rpm -qp --qf '%{VENDOR}' "$shipped" 2>/dev/null)/" -e 's/@[A-Z_]*@/next/' \
    "$scripts/../packaging/rpm/rpmbuild.in" >"$work/rpmbuild" || fatal "$shipped could not be unpacked"
repack rpm "$shipped" "$arch" "$work/rpmbuild"
shipped=$dist/guess-$version-1-$arch.pkg.tar.zst
unpacked "$shipped" && sed -e "s/^pkgver = .*/pkgver = $next-1/" -e '/^size = /d' "$tree/.PKGINFO" >"$work/PKGINFO" &&
    rm "$tree/.PKGINFO" "$tree/.MTREE" || fatal "$shipped could not be unpacked"
repack pacman "$shipped" "$work/PKGINFO"
for shipped in "$dist/guess-$version-linux-$arch.tar.gz" "$dist"/guess-"$version"-*.zip; do
    unpacked "$shipped" || fatal "$shipped could not be unpacked"
    case $shipped in *.zip) repack zip "$shipped" ;; *) repack tgz "$shipped" ;; esac
done
# The installer, of the Windows .zip's files and the program's icon.
unpacked "$(echo "$dist"/guess-"$version"-windows-*.zip)" && mv "$tree"/*/* "$tree" && rmdir "$tree"/guess-* &&
    wrestool -x -t 14 -o "$tree/guess.ico" "$tree/guess.exe" || fatal "no installer's files in the Windows .zip"
repack msi "$(echo "$dist"/guess-"$version"-windows-*.msi)" -D VERSION="$next"
quiet cmake -D DIST="$new" -D VERSION="$next" -D EARLIER="$history/earlier" -P "$scripts/publish.cmake" &&
    mv "$new" "$history/next" || fatal "the next version could not be published over the release"

check quiet "$(dirname "$0")/integrity.sh" "$history/next" "$key"
# What a release may change: the indexes, which name every version, and the
# site's pages and key (the tests' own here).
indexes='  (index\.html|install\.sh|play/.*|scoop/guess\.json|guess-archive-keyring\.gpg|'
indexes=$indexes'apt/dists/stable/(InRelease|Release|Release\.gpg|main/binary-[^/]*/Packages(\.gz)?)|'
indexes=$indexes'rpm/repodata/repomd\.xml.*|arch/[^/]*/guess\.(db|files)(\.sig)?)$'
grep -v -E "$indexes" "$dist/SHA256SUMS" >"$work/kept" || fatal "the release's SHA256SUMS could not be read"
check quiet sh -c 'cd "$1" && sha256sum --strict -c "$2"' - "$history/next" "$work/kept"

# release EARLIER: the release command, of the release's sources, over
# EARLIER, into a folder of its own.
mkdir "$work/dist" && echo kept >"$work/dist/kept" || fatal "no folder to release into"
release() { said=$(cmake -D FROM="$sources" -D EARLIER="$1" -D DIST="$work/dist" -P "$scripts/release.cmake" 2>&1); }
state() { find "$1" "$work/dist" "$TMPDIR" -exec ls -ld --time-style=+%s.%N {} + -type f -exec sha256sum {} +; }
while IFS='|' read -r case earlier why; do
    rm -rf "$work/earlier" && cp -R "$history/earlier" "$work/earlier" && eval "$case" ||
        fatal "the case could not be set up: $case"
    before=$(state "$earlier")
    check refused release "$earlier"
    check says "$why"
    check test "$(state "$earlier")" = "$before"
done <<END
printf x >>"\$work/earlier/install.sh"|$work/earlier|is not as its SHA256SUMS says
sign_as_other "\$work/earlier/SHA256SUMS" "\$work/earlier/SHA256SUMS.asc" --armor --detach-sign|$work/earlier|no good signature
:|$work/earlier|holds version $version already
:|$history/next|holds version $next, newer than $version
END
exit $fail
