#!/bin/sh
# Makes a package CPack has made depend on nothing but its contents: not on
# the umask, the owner of the build, the file system's sizes of directories,
# or the order in which it lists them, all of which CPack takes from the
# staged files as it finds them. The times are SOURCE_DATE_EPOCH's, as set
# for CPack.
#   normalise.sh PACKAGE STAGED_DIR CMAKE
set -eu
file=$1 staged=$2 cmake=$3

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
    # Sorted by name, with the times in UTC; the modes are the installed files'.
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT
    (cd "$(dirname "$staged")" && find "$(basename "$staged")" -type f | LC_ALL=C sort >"$list" &&
        TZ=UTC0 "$cmake" -E tar cf "$file" --format=zip --files-from="$list")
    ;;
esac
