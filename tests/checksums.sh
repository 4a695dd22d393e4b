#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The checksums of a release (scripts/make-checksums.cmake), made of the
# packages the products shipped, in folders as a release has them: every
# file is listed, in and below the folder, and nothing else; sha256sum and
# gpg take them, and a file changed afterwards is caught.
#   checksums.sh CMAKE MAKE_CHECKSUMS PACKAGES
cmake=$1 script=$2 packages=$3
work=$(mktemp -d) || exit 1
trap 'drop_keys; rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"
. "$(dirname "$0")/keys.sh"
make_keys "$work/keys" && use_keys "$work/keys" || exit 1

dist=$work/dist
mkdir -p "$dist/inside" && xargs cp -t "$dist" <"$packages" && cp "$(head -n 1 "$packages")" "$dist/inside/" || exit 1
"$cmake" -D DIR="$dist" -P "$script" || exit 1
cd "$dist" || exit 1
check test "$(cut -d ' ' -f 3 SHA256SUMS)" = "$(find . -type f ! -name 'SHA256SUMS*' | sed 's|^\./||' | LC_ALL=C sort)"
check sh -c 'sha256sum -c SHA256SUMS >/dev/null'
check sh -c 'gpg --verify SHA256SUMS.asc SHA256SUMS 2>/dev/null'
echo changed >>"$(cut -d ' ' -f 3 SHA256SUMS | head -n 1)"
check sh -c '! sha256sum -c SHA256SUMS >/dev/null 2>&1'
exit $fail
