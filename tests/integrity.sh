#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A release is whole: SHA256SUMS lists every file of it and no other, each
# with its checksum, and its signature, SHA256SUMS.asc, verifies with the
# key it is trusted with (KEYRING). A copy of it in which one file was
# changed, two swapped or one added is refused.
#   integrity.sh DIST KEYRING
#   integrity.sh tampered DIST KEYRING
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
whole() {  # whole DIST KEYRING
    [ -f "$1/SHA256SUMS" ] && [ -f "$1/SHA256SUMS.asc" ] ||
        { echo "$1 has no SHA256SUMS and SHA256SUMS.asc: it holds no release, or one that is not signed"; return 1; }
    quiet gpgv --keyring "$2" "$1/SHA256SUMS.asc" "$1/SHA256SUMS" ||
        { echo "SHA256SUMS.asc is no signature of SHA256SUMS by the key"; return 1; }
    [ "$(cut -c 67- "$1/SHA256SUMS")" = "$(cd "$1" && find . -type f ! -name 'SHA256SUMS*' | sed 's|^\./||' |
        LC_ALL=C sort)" ] || { echo "SHA256SUMS lists other files than the release has"; return 1; }
    (cd "$1" && sha256sum --quiet --strict -c SHA256SUMS)
}
if [ "$1" != tampered ]; then
    whole "$@"
    exit
fi

dist=$2 keyring=$3
work=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$work"' EXIT
for change in none changed swapped added listed; do
    copy=$work/$change
    cp -R "$dist" "$copy" && cd "$copy" || fatal "the release could not be copied to $copy"
    set -- ./*.deb
    case $change in
    changed) printf x >>"$1" ;;
    swapped) mv "$1" "$work/first" && mv "$2" "$1" && mv "$work/first" "$2" ;;
    added) cp "$1" "$1.copy" ;;
    listed) sed -i '1s/^0/1/;t;1s/^./0/' SHA256SUMS ;;
    esac || fatal "the copy could not be changed: $change"
    cd "$work" || fatal "no folder $work"
    if [ $change = none ]; then
        check quiet whole "$copy" "$keyring"
    else
        check refused whole "$copy" "$keyring"
    fi
    rm -rf "$copy"
done
exit $fail
