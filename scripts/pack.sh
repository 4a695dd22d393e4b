#!/bin/bash
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes one package of what `cmake --install` staged in STAGED, with the
# format's own tool, and nothing in it of the builder: every file readable
# by all and owned by root, with the commit's time (SOURCE_DATE_EPOCH),
# listed in the order of its name. Where the environment gives the keys,
# it signs what it packs: a Windows program and its installer with
# Authenticode (GUESS_AUTHENTICODE_PFX, GUESS_AUTHENTICODE_PASSWORD), an
# RPM package with OpenPGP (GUESS_GPG_KEY). Where a tool fails, it fails,
# and PACKAGE is there only once it is whole, signed too: a package of
# that name from before is gone from the start. cmake/Packages.cmake runs it.
#   pack.sh deb STAGED PACKAGE ARCHITECTURE CONTROL CHANGELOG
#   pack.sh rpm STAGED PACKAGE ARCHITECTURE RPMBUILD   what rpmbuild builds it of
#   pack.sh pacman STAGED PACKAGE PKGINFO
#   pack.sh tgz|zip STAGED PACKAGE       STAGED holds the archive's one folder
#   pack.sh msi STAGED PACKAGE -D NAME=VALUE...  as scripts/make-msi.cmake takes them
set -euo pipefail
format=$1 staged=$2 package=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work" "$package.part"' EXIT
trap 'echo "pack.sh: $package not made: the step at line $LINENO failed" >&2' ERR
out=$work/${package##*/}  # zip would add .zip to a name without it
need() {  # need PROGRAM PACKAGE
    command -v "$1" >/dev/null || { echo "pack.sh: $1 not found: it is in the Debian package $2" >&2; exit 1; }
}
settle() {  # settle DIR: readable by all, and of the commit's time
    chmod -R u+rwX,go=rX "$1"
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}
# The password goes to osslsigncode's standard input, not onto a command
# line, where anyone could read it. The signature carries the commit's time.
authenticode() {  # authenticode FILE: signed in place
    [ -n "${GUESS_AUTHENTICODE_PFX:-}" ] || return 0
    need osslsigncode osslsigncode
    printf '%s' "${GUESS_AUTHENTICODE_PASSWORD:-}" | osslsigncode sign -pkcs12 "$GUESS_AUTHENTICODE_PFX" \
        -readpass /dev/stdin -h sha256 -n guess -time "$SOURCE_DATE_EPOCH" -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
}
rm -f "$package"
# A Windows program is signed before it is packed, so that what holds it
# holds it signed.
find "$staged" -name '*.exe' | while read -r program; do authenticode "$program"; done

case $format in
deb)
    # As Debian's tools make a package: dpkg-shlibdeps reckons what the
    # programs need of the target's libraries, dpkg-gencontrol writes the
    # control file of the template and the changelog, dpkg-deb packs.
    need dpkg-gencontrol dpkg-dev
    architecture=$1
    mkdir "$work/debian" && cp "$2" "$work/debian/control" && cp "$3" "$work/debian/changelog"
    tree=$work/debian/guess
    cp -R "$staged" "$tree" && mkdir "$tree/DEBIAN"
    (cd "$tree" && find . -type f ! -path './DEBIAN/*' | sed 's|^\./||' | LC_ALL=C sort | xargs md5sum) \
        >"$tree/DEBIAN/md5sums"
    (cd "$work" && export DEB_HOST_ARCH="$architecture" &&
        find debian/guess -type f -perm -u+x ! -path '*/DEBIAN/*' -exec dpkg-shlibdeps -Tdebian/substvars {} + &&
        dpkg-gencontrol -pguess -Pdebian/guess -Tdebian/substvars -fdebian/files)
    settle "$tree"
    dpkg-deb --root-owner-group -Zgzip -z9 -b "$tree" "$out" >/dev/null
    ;;
rpm)
    need rpmbuild rpm
    settle "$staged"
    rpmbuild -bb --quiet --target "$1" --define "_topdir $work" --define "_tmppath $work" --define "staged $staged" \
        "$2" >/dev/null
    mv "$work"/RPMS/*/*.rpm "$out"
    if [ -n "${GUESS_GPG_KEY:-}" ]; then
        rpmsign --define "__gpg $(command -v gpg)" --define "_gpg_name $GUESS_GPG_KEY" --addsign "$out" >/dev/null
    fi
    ;;
pacman)
    # As makepkg packs one: the package's description (.PKGINFO), with the
    # size of its files, and their list (.MTREE) first.
    need bsdtar libarchive-tools && need zstd zstd
    size=$(find "$staged" -type f -printf '%s\n' | awk '{ total += $1 } END { print total + 0 }')
    { cat "$1" && echo "size = $size"; } >"$staged/.PKGINFO"
    settle "$staged"
    cd "$staged"
    files() { find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort; }
    archive() { LC_ALL=C bsdtar --uid 0 --gid 0 --uname root --gname root -cnf - --files-from - "$@"; }
    files | archive --format=mtree --options='!all,use-set,type,uid,gid,mode,time,size,md5,sha256,link' |
        gzip -9n >"$work/mtree"
    mv "$work/mtree" .MTREE && settle .MTREE
    files | archive --no-fflags | zstd -c -q -19 -T1 - >"$out"
    ;;
tgz)
    settle "$staged"
    tar -C "$staged" --sort=name --owner=0 --group=0 --numeric-owner -cf - "$(ls "$staged")" | gzip -9n >"$out"
    ;;
zip)
    need zip zip
    settle "$staged"
    find "$staged" -type f -exec chmod a-x {} +  # as Windows has no such mode, whether signed or not
    # The time in UTC, and none of the Unix extras (the builder's uid and gid among them): -X.
    (cd "$staged" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC0 zip -q -X -D -9 "$out" -@)
    ;;
msi)
    settle "$staged"
    cmake "$@" -D STAGED="$staged" -D OUTPUT="$out" -P "$(dirname "$0")/make-msi.cmake"
    authenticode "$out"
    ;;
*)
    echo "pack.sh: no such format: $format" >&2
    exit 2
    ;;
esac
# Whole, under its final name: moved within its own folder, as the work
# folder may be on another file system.
mv "$out" "$package.part"
mv "$package.part" "$package"
