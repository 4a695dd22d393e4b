#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A release made as a release manager makes one, with throwaway keys
# (tests/keys.sh, kept in WORK_DIR/keys for the tests of its parts and for
# .ci/reproducible, which signs its own with them), of the products this
# build built, packed and tested (BUILD_DIR): of the commit checked out,
# or where the sources have changes not committed, of a commit of them as
# they are, at the same time. It ships every package the products shipped
# (PACKAGES): the same, or signed where it holds a Windows program and the
# same once the signatures are off; an RPM package signed, and the same
# less its signature. Its checksums list every file and verify, with their
# signature, and its source tarball holds the commit. The tests of its
# parts (tests/release.cmake) read it in WORK_DIR/dist.
#   release.sh SOURCE_DIR CMAKE WORK_DIR PACKAGES BUILD_DIR
source=$1 cmake=$2 work=$3 packages=$4 build=$5
rm -rf "$work" && mkdir -p "$work" || exit 1
trap 'drop_keys' EXIT
. "$(dirname "$0")/check.sh"
. "$(dirname "$0")/keys.sh"
make_keys "$work/keys" && use_keys "$work/keys" || exit 1

repo=$work/repo
if [ -z "$(git -C "$source" status --porcelain)" ]; then
    git clone -q "$source" "$repo" || exit 1
else
    time=$(git -C "$source" log -1 --format=%ct) || exit 1
    mkdir "$repo" && (cd "$source" && git ls-files -z -co --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$repo" || exit 1
    (cd "$repo" && git init -q && git add -A && GIT_COMMITTER_DATE="@$time" GIT_AUTHOR_DATE="@$time" \
        git -c user.name=test -c user.email=test@guess.invalid commit -q -m release) || exit 1
fi
dist=$work/dist
"$cmake" -D DIST="$dist" -D BUILT="$build" -P "$repo/scripts/release.cmake" || exit 1
cd "$dist" || exit 1

# Every package, and nothing else but the sources, the repository and the
# checksums.
shipped=$(sed 's|.*/||' "$packages" | LC_ALL=C sort)
tarball=$(ls ./*.tar.gz | sed 's|^\./||' | grep -vxF "$shipped")
name=${tarball%.tar.gz}
check test "$(ls | LC_ALL=C sort)" = "$(printf '%s\n' "$shipped" "$tarball" "$name.spdx" apt rpm guess.repo arch \
    winget scoop guess-archive-keyring.gpg SHA256SUMS SHA256SUMS.asc | LC_ALL=C sort)"
check test "$(cut -d ' ' -f 3 SHA256SUMS)" = "$(find . -type f ! -name 'SHA256SUMS*' | sed 's|^\./||' | LC_ALL=C sort)"
check quiet sha256sum -c SHA256SUMS
check quiet gpgv --keyring "$dist/guess-archive-keyring.gpg" SHA256SUMS.asc SHA256SUMS
# The sources: the commit's files, and its time where git put it.
check test "$(tar -tzf "$tarball" | grep -v '/$' | sed "s|^$name/||" | LC_ALL=C sort)" = \
    "$(git -C "$repo" ls-files | LC_ALL=C sort)"
check test "$(tar -xzOf "$tarball" "$name/packaging/commit-time")" = "$(git -C "$repo" log -1 --format=%ct)"

# Each package as built here; a Windows program signed, and the program
# built here once its signature is off.
verify() { quiet osslsigncode verify -CAfile "$work/keys/cert.pem" -in "$1"; }
same_unsigned() {  # same_unsigned RELEASED BUILT: the same file, a signed program less its signature
    case $1 in
    *.exe)
        check verify "$1"
        check quiet osslsigncode remove-signature -in "$1" -out "$work/unsigned.exe"
        check cmp "$work/unsigned.exe" "$2"
        rm -f "$work/unsigned.exe"
        ;;
    *) check cmp "$1" "$2" ;;
    esac
}
same_files() {  # same_files RELEASED_DIR BUILT_DIR
    check test "$(cd "$1" && find . -type f | LC_ALL=C sort)" = "$(cd "$2" && find . -type f | LC_ALL=C sort)"
    for file in $(cd "$1" && find . -type f); do same_unsigned "$1/$file" "$2/$file"; done
}
for built in $(cat "$packages"); do
    released=$(basename "$built")
    rm -rf "$work/released" "$work/built"
    case $released in
    *.zip)
        unzip -q -d "$work/released" "$released" && unzip -q -d "$work/built" "$built" || exit 1
        same_files "$work/released" "$work/built"
        ;;
    *.msi)
        check verify "$released"
        msiextract -C "$work/released" "$released" >/dev/null && msiextract -C "$work/built" "$built" >/dev/null ||
            exit 1
        same_files "$work/released" "$work/built"
        ;;
    *.rpm)
        rpm_body "$released" >"$work/released.body" && rpm_body "$built" >"$work/built.body" || exit 1
        check cmp "$work/released.body" "$work/built.body"
        ;;
    *) check cmp "$released" "$built" ;;
    esac
done
exit $fail
