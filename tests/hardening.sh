#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The hardening of a built Linux program, read off it and off the objects it
# was linked from (a static program also holds the C library's own code).
#   hardening.sh dynamic|static-pie|static fortify|no-fortify PROGRAM OBJECT...
kind=$1 fortify=$2 program=$3
shift 3
read=$(mktemp -d) || exit 1
trap 'rm -rf "$read"' EXIT
. "$(dirname "$0")/check.sh"
holds() { grep -q -- "$2" "$read/$1"; }
lacks() { ! holds "$@"; }

readelf -hW "$program" >"$read/header" && readelf -lW "$program" >"$read/segments" &&
    readelf -dW "$program" >"$read/dynamic" || exit 1
for o in "$@"; do readelf -sW -nW "$o" || exit 1; done >"$read/objects"

check holds segments 'GNU_RELRO'             # relocated data read-only after start-up
check lacks segments 'GNU_STACK.*RWE'        # no executable stack
check holds objects '__stack_chk_fail'       # stack protector
case $kind in
dynamic)
    check holds header 'Type:[[:space:]]*DYN'  # position independent: loaded at a random address
    check holds dynamic 'FLAGS.*NOW'          # all of it read-only, as nothing is bound lazily
    check holds segments 'INTERP'
    ;;
static-pie)
    check holds header 'Type:[[:space:]]*DYN'
    check holds dynamic 'FLAGS.*NOW'
    check lacks segments 'INTERP'             # relocates itself, needs no loader
    check lacks dynamic 'NEEDED'
    ;;
static)
    # At a fixed address where the C library cannot start a static-pie one;
    # it binds nothing lazily, so all its relocated data is read-only too.
    check lacks segments 'INTERP'
    check lacks dynamic 'NEEDED'
    ;;
*) echo "unknown kind: $kind"; exit 2 ;;
esac
if [ "$fortify" = fortify ]; then
    check holds objects '__[a-z]*_chk$'      # checked buffer calls
fi
case $(sed -n 's/^ *Machine: *//p' "$read/header") in
*X86-64* | *80386*) check holds objects 'x86 feature: IBT, SHSTK' ;;  # control-flow protection
*AArch64*) check holds objects 'AArch64 feature: BTI, PAC' ;;
esac
exit $fail
