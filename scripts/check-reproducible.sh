#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release again, as the release makes every one, of the source
# tarball of a first one, DIST, with the release command that the tarball
# holds (scripts/release.cmake -D FROM), signed with the same keys, KEYS
# (tests/keys.sh), and compares the two: every file must be the same, byte
# for byte. The second is made somewhere else, with another time zone,
# locale and umask, some seconds later, on another file system where there
# is one and, run as root, as an ordinary user (nobody), as on a machine
# that builders share. On a difference it shows where (with diffoscope
# where installed) and fails.
#   scripts/check-reproducible.sh DIST KEYS
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
first=$(cd "$1" && pwd)
# A memory file system lists a directory in another order than a disk's.
parent=${TMPDIR:-/tmp}
[ ! -w /dev/shm ] || parent=/dev/shm
other=$(mktemp -d "$parent/guess-reproducible.XXXXXX")
# shellcheck source=../tests/keys.sh
. "$source/tests/keys.sh"
use_keys "$2"
trap 'drop_keys; rm -rf "$other"' EXIT

# What the second builder has: the tarball, its keys, and folders of its own.
sbom=$(cd "$first" && ls ./*.spdx)
tarball=$(basename "$sbom" .spdx).tar.gz  # the sources, which the SBOM is of
cp "$first/$tarball" "$other/"
cp "$GUESS_AUTHENTICODE_PFX" "$other/sign.pfx"
export GUESS_AUTHENTICODE_PFX=$other/sign.pfx
mkdir "$other/home"
as=()
if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$other" "$GNUPGHOME"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
(
    cd "$other"
    export HOME=$other/home TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 TMPDIR=$other
    umask 077
    "${as[@]}" tar -xzf "$tarball"
    "${as[@]}" cmake -D FROM="$tarball" -D DIST=dist -P "${tarball%.tar.gz}/scripts/release.cmake" >/dev/null
)

if ! diff -r -q "$first" "$other/dist"; then
    if command -v diffoscope >/dev/null; then
        diffoscope --no-progress --max-report-size 200000 "$first" "$other/dist" || true
    fi
    exit 1
fi
echo "Every file of the two releases is the same: $(cd "$first" && find . -type f | wc -l) files."
