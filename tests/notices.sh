#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The notices of a program that carries code that is not ours name every
# Debian package whose files the linker read (its --trace), with the
# version installed, and hold what the licenses of those libraries ask to
# come with the program: the LGPL for a static Linux program (glibc), the
# notice of winpthreads for the Windows one, in Windows' line ends, and
# musl's license for the web page.
#   notices.sh NOTICES TRACE static|windows|web
notices=$1 trace=$2 kind=$3
. "$(dirname "$0")/check.sh"
holds() { grep -qF -- "$1" "$notices"; }
starts_a_line() { awk -v start="$1" 'index($0, start) == 1 { found = 1 } END { exit !found }' "$notices"; }

check test -s "$notices"
# The build's own files are no package's.
for package in $(sed 's/(.*)$//' "$trace" | grep '^/' | sort -u | while read -r file; do
    dpkg -S "$(readlink -f "$file")" 2>/dev/null | sed -n '1s/[:,].*//p'
done | sort -u); do
    check starts_a_line "$package $(dpkg-query -W -f '${Version}\n' "$package" | head -n 1)"
done
case $kind in
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
