#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The source SBOM (scripts/make-sbom.cmake) of a checkout: it names every
# file of the commit (but the licenses' own texts and where REUSE is told
# of the files that cannot say theirs), and carries nothing of when or by whom it was made:
# the commit's time, a name that follows from the tarball, the project.
#   sbom.sh CMAKE MAKE_SBOM SOURCE_DIR COMMIT_TIME
cmake=$1 script=$2 source=$3 time=$4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"

printf 'sources\n' >"$work/guess-0.tar.gz"
"$cmake" -D SOURCE="$source" -D TARBALL="$work/guess-0.tar.gz" -D OUTPUT="$work/sbom" -P "$script" || exit 1
field() { sed -n "s/^$1: //p" "$work/sbom"; }
for file in $(git -C "$source" ls-files | grep -v -e '^LICENSE' -e '^\.reuse/'); do
    check grep -qxF "FileName: ./$file" "$work/sbom"
done
check test "$(field Created)" = "$(date -u -d "@$time" +%Y-%m-%dT%H:%M:%SZ)"
check grep -qx "Creator: Organization: The guess developers" "$work/sbom"
check sh -c '! grep -q "^Creator: Person" "$1"' - "$work/sbom"
check sh -c 'grep -q "^DocumentNamespace: https://spdx.org/spdxdocs/guess-0-[0-9a-f-]*$" "$1"' - "$work/sbom"
first=$(field DocumentNamespace)
printf 'other sources\n' >"$work/guess-0.tar.gz"
"$cmake" -D SOURCE="$source" -D TARBALL="$work/guess-0.tar.gz" -D OUTPUT="$work/sbom" -P "$script" || exit 1
check test "$(field DocumentNamespace)" != "$first"
exit $fail
