#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The notices that come with a program holding code that is not ours hold
# what the licenses of that code ask to come with it: the LGPL for a static
# Linux program (glibc), the notice of winpthreads for the Windows one, in
# Windows' line ends, and musl's license for the web page.
#   notices.sh UNPACKED_DIR static|windows|web
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
notices=$(find "$1" -name THIRD-PARTY-NOTICES.txt)
holds() { grep -qF -- "$1" "$notices"; }
check test -s "$notices"
case $2 in
static)
    check holds 'GNU LESSER GENERAL PUBLIC LICENSE'
    check holds 'Version 2.1, February 1999'
    ;;
windows)
    check holds 'Files: mingw-w64-libraries/winpthreads/*'
    check sh -c '! grep -qv "$(printf "\r")\$" "$1"' - "$notices"
    ;;
web)
    check holds 'musl'
    ;;
esac
exit $fail
