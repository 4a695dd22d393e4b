#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Checks a release as a player downloads it, its folder alone, wherever it
# came from: first that it is whole and signed (tests/integrity.sh), then
# every program, package, installer, page and repository in it
# (tests/release/, run by CTest, with what scripts/test-all.sh installs).
# The signatures are checked against KEY, the key that the caller trusts
# the release with: an OpenPGP keyring, or a key of the caller's keyring
# (a fingerprint). Without one, they are checked against the key the
# release holds, which proves nothing against a copy that was tampered
# with, and it says so. Where PACKAGEs name some of its files (those of
# one product, as `ls build-linux/packages` lists them), it checks those
# alone, once it has checked that the release is whole. The environment
# says how the release was made: GUESS_DOWNLOAD_URL, the address it names;
# GUESS_AUTHENTICODE_PFX and GUESS_AUTHENTICODE_PASSWORD, the key its
# Windows files are signed with, where they are.
#   scripts/check-release.sh [--key KEY] DIST [PACKAGE...]
set -eu
key=
if [ "${1:-}" = --key ]; then
    key=$2
    shift 2
fi
[ $# -ge 1 ] || { echo "usage: $0 [--key KEYRING|FINGERPRINT] DIST [PACKAGE...]" >&2; exit 2; }
dist=$(cd "$1" && pwd)
shift
only=$(printf '%s;' "$@")  # a CMake list
tests=$(cd "$(dirname "$0")/../tests" && pwd)
# The release's code-signing key, where given, by a path that the tests,
# which run elsewhere, find too.
if [ -n "${GUESS_AUTHENTICODE_PFX:-}" ]; then
    GUESS_AUTHENTICODE_PFX=$(realpath "$GUESS_AUTHENTICODE_PFX") && export GUESS_AUTHENTICODE_PFX
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/guess-check.XXXXXX")
trap 'gpgconf --homedir "$work/gnupg" --kill all; rm -rf "$work"' EXIT

# The key alone, in a keyring of the check's own, and armoured.
mkdir -m 700 "$work/gnupg"
if [ -z "$key" ]; then
    echo "No key named (--key): the signatures are checked against the release's own key," \
        "guess-archive-keyring.gpg, which proves nothing against a copy that was tampered with."
    key=$dist/guess-archive-keyring.gpg
fi
if [ -f "$key" ]; then cat "$key"; else gpg --export "$key"; fi | gpg --homedir "$work/gnupg" --batch --quiet --import
gpg --homedir "$work/gnupg" --export >"$work/keyring.gpg"
gpg --homedir "$work/gnupg" --export --armor >"$work/key.asc"
[ -s "$work/keyring.gpg" ] || { echo "no such key: $key" >&2; exit 1; }

"$tests/integrity.sh" "$dist" "$work/keyring.gpg"
cmake -S "$tests/release" -B "$work/build" -D DIST="$dist" -D KEYRING="$work/keyring.gpg" -D KEY="$work/key.asc" \
    -D ONLY="${only%;}" >/dev/null
cmake --build "$work/build" --parallel "$(nproc)" >/dev/null
# Three at a time on each processor, as many wait on timers, emulators and
# browsers.
ctest --test-dir "$work/build" --parallel "$(($(nproc) * 3))" --output-on-failure
