#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A step whose tool fails fails, and leaves nothing that looks made. The
# packer (scripts/pack.sh), with an archiver that writes part of an archive
# and fails, fails and leaves no package, not even one made before; the
# notices of a program (scripts/third-party-notices.sh) whose libraries'
# license texts are missing are not written. Each packs and writes whole
# with the tools as they are.
#   failing_tools.sh SCRIPTS_DIR
scripts=$1
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/failing" "$work/staged/guess" "$work/out" "$work/no-licenses" && echo game >"$work/staged/guess/README" &&
    echo 'pkgname = guess' >"$work/PKGINFO" && command -v dpkg >"$work/trace" || fatal "nothing to pack"
for archiver in tar bsdtar zip; do
    printf '#!/bin/sh\nhead -c 100 /dev/zero\nexit 1\n' >"$work/failing/$archiver" && chmod +x "$work/failing/$archiver"
done
export SOURCE_DATE_EPOCH=0
pack() {  # pack PATH FORMAT PACKAGE [PKGINFO]: into out/, which holds a PACKAGE from before
    rm -rf "$work/out"/* && echo earlier >"$work/out/$3" &&
        PATH=$1 bash "$scripts/pack.sh" "$2" "$work/staged" "$work/out/$3" ${4:+"$4"}
}
for format in "tgz guess.tar.gz" "zip guess.zip" "pacman guess.pkg.tar.zst $work/PKGINFO"; do
    set -- $format
    check quiet pack "$PATH" "$@"
    check test "$(ls "$work/out")" = "$2"
    check refused pack "$work/failing:$PATH" "$@"
    check test -z "$(ls "$work/out")"
done

notices() { COMMON_LICENSES=$1 bash "$scripts/third-party-notices.sh" "$work/notices" "$work/trace" "$work" lf; }
check quiet notices ""
check test -s "$work/notices"
rm -f "$work/notices"
check refused notices "$work/no-licenses"
check test ! -e "$work/notices"
exit $fail
