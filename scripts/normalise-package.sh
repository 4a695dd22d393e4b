#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a package CPack has made depend on nothing but its contents: not on
# the umask, the owner of the build, the file system's sizes of directories,
# or the order in which it lists them, all of which CPack takes from the
# staged files as it finds them. The times are SOURCE_DATE_EPOCH's, as set
# for CPack.
#   normalise-package.sh PACKAGE STAGED_DIR
set -eu
file=$1 staged=$2

case $file in
*.deb)
    # Rebuilt by dpkg-deb, which sorts the members and owns them by root,
    # with Installed-Size reckoned from the files alone, as dpkg does.
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' EXIT
    dpkg-deb -R "$file" "$tree"
    chmod -R u+rwX,go=rX "$tree"
    kib=$(cd "$tree" && find . -path ./DEBIAN -prune -o ! -path . -printf '%y %s\n' |
        awk '{ total += $1 == "f" ? int(($2 + 1023) / 1024) : 1 } END { print total }')
    sed -i "s/^Installed-Size: .*/Installed-Size: $kib/" "$tree/DEBIAN/control"
    dpkg-deb --root-owner-group -Zgzip -z9 -b "$tree" "$file" >/dev/null
    ;;
*.tar.gz)
    # Sorted by name, owned by root, readable by all.
    tar -C "$(dirname "$staged")" --sort=name --owner=0 --group=0 --numeric-owner \
        --mode=u+rw,go=rX,a-s --mtime="@$SOURCE_DATE_EPOCH" -cf - "$(basename "$staged")" | gzip -9n >"$file"
    ;;
*.zip)
    # Sorted by name, readable by all, with the time in UTC and none of the
    # Unix extras (the builder's uid and gid among them): -X.
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT
    (cd "$(dirname "$staged")" && chmod -R u+rwX,go=rX "$(basename "$staged")" &&
        find "$(basename "$staged")" -type f -exec touch -d "@$SOURCE_DATE_EPOCH" {} + &&
        find "$(basename "$staged")" -type f | LC_ALL=C sort >"$list" &&
        rm -f "$file" && TZ=UTC0 zip -q -X -D -9 "$file" -@ <"$list")
    ;;
esac
