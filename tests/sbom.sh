#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The source SBOM of a release (scripts/make-sbom.cmake), SBOM, beside its
# source tarball: it names every file of the tarball (but the licenses' own
# texts and where REUSE is told of the files that cannot say theirs), and
# carries nothing of when or by whom it was made: the commit's time, a name
# that follows from the tarball, no person. Other sources get another name.
#   sbom.sh SBOM
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$work"' EXIT

sbom=$1
name=$(basename "${sbom%.spdx}")
tarball=${sbom%.spdx}.tar.gz
field() { sed -n "s/^$1: //p" "$2"; }
for file in $(tar -tzf "$tarball" | grep -v '/$' | sed "s|^$name/||" | grep -v -e '^LICENSE' -e '^\.reuse/'); do
    check grep -qxF "FileName: ./$file" "$sbom"
done
time=$(tar -xzOf "$tarball" "$name/packaging/commit-time") || fatal "$tarball holds no commit time"
check test "$(field Created "$sbom")" = "$(date -u -d "@$time" +%Y-%m-%dT%H:%M:%SZ)"
check grep -q "^Creator: " "$sbom"  # as SPDX asks
check sh -c '! grep -q "^Creator: Person" "$1"' - "$sbom"
check sh -c 'grep -q "^DocumentNamespace: https://spdx.org/spdxdocs/$2-[0-9a-f-]*$" "$1"' - "$sbom" "$name"

tar -xzf "$tarball" -C "$work" && printf 'other sources\n' >"$work/$name.tar.gz" || fatal "no sources"
cmake -D SOURCE="$work/$name" -D TARBALL="$work/$name.tar.gz" -D OUTPUT="$work/other.spdx" \
    -P "$(dirname "$0")/../scripts/make-sbom.cmake" || fatal "the SBOM of other sources could not be made"
check test "$(field DocumentNamespace "$work/other.spdx")" != "$(field DocumentNamespace "$sbom")"
exit $fail
