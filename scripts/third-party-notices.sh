#!/bin/bash
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Writes the notices of the code that a program is linked with and that is
# not ours, reckoned from the link itself: every file the linker read (its
# --trace, in TRACE) is mapped to the Debian package it came from, so that a
# new library linked in cannot go unnamed. For each package: its version,
# its source package and how to get that source, and its copyright file as
# the package ships it; then each license text those files refer to, once.
# A file that is no package's stops the build, and so does a copyright file
# or license text that is not there (the license texts are read from
# COMMON_LICENSES where the environment names another folder than Debian's,
# as the tests do): OUTPUT is written only once it is whole. Files of the
# build itself (relative, or under BUILD_DIR) are ours.
#   third-party-notices.sh OUTPUT TRACE BUILD_DIR lf|crlf [EMSCRIPTEN_CACHE]
# Emscripten's system libraries come from its cache, which Debian's
# emscripten package ships prebuilt (where it does not, a library there is
# that package's too); the notices also say which part of Emscripten's
# sources, as its copyright file names them, each library is built from.
set -euo pipefail
output=$1 trace=$2 build=$3 eol=$4 cache=${5:-}
licenses=${COMMON_LICENSES:-/usr/share/common-licenses}
work=$(mktemp -d)
trap 'rm -rf "$work" "$output.part"' EXIT
trap 'echo "third-party-notices.sh: $output not written: the step at line $LINENO failed" >&2' ERR
export LC_ALL=C
command -v dpkg-query >/dev/null ||
    { echo "third-party-notices.sh: dpkg-query not found: it is in the Debian package dpkg" >&2; exit 1; }

# The files read, as the packages that own them, a line each: PACKAGE FILE.
# dpkg is asked once for them all, as each search reads its whole database.
owners() {  # owners <FILES: PACKAGE FILE for each file that a package owns (the first, where several do)
    { xargs -r -d '\n' dpkg-query -S 2>/dev/null || true; } |
        sed -n 's/^\([^ ,:]*\(:[a-z0-9]*\)\{0,1\}\)\(, [^ ]*\)*: \(\/.*\)/\1 \4/p'
}
# Absolute paths, outside the build: the build's own files are ours.
sed 's/(.*)$//' "$trace" | awk -v build="$build/" '/^\// && index($0, build) != 1' | sort -u |
    xargs -r -d '\n' readlink -f | sort -u >"$work/read"
owners <"$work/read" >"$work/owned"
cut -d ' ' -f 2- "$work/owned" | sort | comm -23 "$work/read" - | while read -r file; do
    package=
    if [ -n "$cache" ]; then
        case $file in "$cache"/*) package=$(echo "$cache" | owners | cut -d ' ' -f 1) ;; esac
    fi
    if [ -z "$package" ]; then
        echo "third-party-notices.sh: $file (linked in) belongs to no Debian package: its license is unknown" >&2
        exit 1
    fi
    echo "$package $file"
done >>"$work/owned"
cut -d ' ' -f 1 "$work/owned" | sort -u >"$work/packages"
# What each is, asked once too, and the files of it linked in, by name:
# PACKAGE VERSION SOURCE SOURCE_VERSION NAME...
xargs dpkg-query -W -f '${binary:Package} ${Version} ${source:Package} ${source:Version}\n' <"$work/packages" |
    sort >"$work/versions"
sed 's| .*/| |' "$work/owned" | sort -u | awk '$1 != package { if (NR > 1) print line; package = $1; line = $0; next }
    { line = line " " $2 } END { if (NR) print line }' | join "$work/versions" - >"$work/about"

# Which of Emscripten's sources each of its libraries is built from, by the
# name of the library (without its variant: libc-optz is libc).
emscripten_part() {
    case $1 in
    libc) echo "musl, the C library|system/lib/libc/musl/*" ;;
    libc++) echo "libc++, LLVM's C++ library|system/lib/libcxx/*" ;;
    libc++abi) echo "libc++abi, LLVM's C++ support library|system/lib/libcxxabi/*" ;;
    libcompiler_rt) echo "compiler-rt, LLVM's compiler runtime|system/lib/compiler-rt/*" ;;
    libdlmalloc) echo "dlmalloc, the memory allocator|system/lib/dlmalloc.c" ;;
    libnoexit | libstubs | crt1 | crtbegin) echo "Emscripten's own runtime|*" ;;
    *) return 1 ;;
    esac
}
# The License: line of the stanza of a machine-readable copyright file whose
# Files: names PATTERN.
license_of() {  # license_of COPYRIGHT_FILE PATTERN
    awk -v pattern="$2" 'BEGIN { RS = ""; FS = "\n" }
        { hit = 0; license = ""; in_files = 0
          for (i = 1; i <= NF; i++) {
              line = $i
              if (line ~ /^Files:/) { in_files = 1; sub(/^Files: */, "", line) }
              else if (in_files && line ~ /^ /) { sub(/^ +/, "", line) }
              else { in_files = 0; if (line ~ /^License:/ && license == "") license = line; continue }
              if (line == pattern) hit = 1
          }
          if (hit) { print license; exit } }' "$1"
}

{
    echo "Third-party software in guess"
    echo
    echo "guess is free software under the MIT license (LICENSE.txt). This"
    echo "program also holds code of the libraries below, linked into it when it"
    echo "was built, each under its own license. They were taken from Debian's"
    echo "packages; each package's copyright file, which states its licenses,"
    echo "follows, and then the license texts those files refer to. The exact"
    echo "sources of each package are available with the apt-get source command"
    echo "given for it, on a Debian system with the matching deb-src entries (or"
    echo "from snapshot.debian.org). The source tarball of guess holds"
    echo "everything needed to build this program again against changed"
    echo "libraries."
    while read -r package version source source_version linked; do
        name=${package%%:*}
        architecture=${package#"$name"}
        copyright=/usr/share/doc/$name/copyright
        echo
        echo "$name $version${architecture:+ (${architecture#:})}"
        echo "  From the source package: $source $source_version"
        echo "  Get the source: apt-get source $source=$source_version"
        echo "  License: as its copyright file states, below ($copyright)"
        echo "  Linked in: $linked"
        if [ -n "$cache" ] && grep -q "^$package $cache/" "$work/owned"; then
            echo "$linked" | tr ' ' '\n' | sed 's/\.[ao]$//; s/-[^+]*$//' | sort -u | while read -r library; do
                part=$(emscripten_part "$library") || {
                    echo "third-party-notices.sh: $library: which of Emscripten's sources is it built from?" >&2
                    exit 1
                }
                echo "  $library: ${part%%|*}; its copyright file says of ${part#*|}:"
                echo "    $(license_of "$copyright" "${part#*|}")"
            done
            echo "  guess.js also holds Emscripten's JavaScript runtime; its copyright"
            echo "  file says of it (*): $(license_of "$copyright" '*')"
        fi
    done <"$work/about"

    # Each copyright file once, however many packages share it, with the
    # names of those that do: FILE NAME, NAME...
    sed 's/:.*//' "$work/packages" >"$work/names"
    sed 's|.*|/usr/share/doc/&/copyright|' "$work/names" | xargs -d '\n' readlink -m | paste -d ' ' - "$work/names" |
        sort | awk '$1 != file { if (NR > 1) print line; file = $1; line = $0; next } { line = line ", " $2 }
            END { if (NR) print line }' >"$work/docs"
    while read -r file names; do
        [ -f "$file" ] || { echo "third-party-notices.sh: no copyright file: $file" >&2; exit 1; }
        echo
        echo "======================================================================"
        echo "The copyright file of $names"
        echo "======================================================================"
        echo
        cat "$file"
    done <"$work/docs"

    # The license texts they refer to, each once (GPL is GPL-3, LGPL is
    # LGPL-3), with the other names they are referred to by: FILE [NAME...]
    cut -d ' ' -f 1 "$work/docs" | xargs cat | { grep -o '/usr/share/common-licenses/[A-Za-z0-9.+_-]\+' || true; } |
        sed 's|.*/||; s/\.*$//' | sort -u >"$work/license-names"
    while read -r name; do
        [ -f "$licenses/$name" ] || { echo "third-party-notices.sh: no license text: $licenses/$name" >&2; exit 1; }
        echo "$licenses/$name"
    done <"$work/license-names" | xargs -r -d '\n' readlink -f | paste -d ' ' - "$work/license-names" | sort |
        awk '{ base = $1; sub(/.*\//, "", base) } $1 != file { if (NR > 1) print line; file = $1; line = $1 }
            $2 != base { line = line " " $2 } END { if (NR) print line }' >"$work/licenses"
    while read -r file others; do
        echo
        echo "======================================================================"
        echo "${file##*/}${others:+ (also named $others)}, as $file"
        echo "======================================================================"
        echo
        cat "$file"
    done <"$work/licenses"
} >"$work/notices"

if [ "$eol" = crlf ]; then
    sed 's/$/\r/' "$work/notices" >"$output.part"
else
    cp "$work/notices" "$output.part"
fi
mv "$output.part" "$output"
