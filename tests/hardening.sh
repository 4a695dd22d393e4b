#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The hardening of a Linux program. What it shows itself: relocated data
# read-only, no executable stack, and, as its kind asks, loaded at a random
# address, with no lazy binding. What only the objects it was linked from
# show, as a static program holds the C library's own code and a stripped
# one no symbols: the stack protector, checked buffer calls in optimised
# builds, and control-flow protection where the processor has it.
#   hardening.sh program dynamic|static-pie|static PROGRAM
#   hardening.sh objects fortify|no-fortify OBJECT...
what=$1 kind=$2
shift 2
read=$(mktemp -d) || exit 1
trap 'rm -rf "$read"' EXIT
. "$(dirname "$0")/check.sh"
holds() { grep -q -- "$2" "$read/$1"; }
lacks() { ! holds "$@"; }

if [ "$what" = objects ]; then
    for o in "$@"; do readelf -hW -sW -nW "$o" || exit 1; done >"$read/objects"
    check holds objects '__stack_chk_fail'
    [ "$kind" = no-fortify ] || check holds objects '__[a-z]*_chk$'
    case $(sed -n 's/^ *Machine: *//p' "$read/objects" | sort -u) in
    *X86-64* | *80386*) check holds objects 'x86 feature: IBT, SHSTK' ;;
    *AArch64*) check holds objects 'AArch64 feature: BTI, PAC' ;;
    esac
    exit $fail
fi

readelf -hW "$1" >"$read/header" && readelf -lW "$1" >"$read/segments" && readelf -dW "$1" >"$read/dynamic" || exit 1
check holds segments 'GNU_RELRO'
check lacks segments 'GNU_STACK.*RWE'
case $kind in
dynamic)
    check holds header 'Type:[[:space:]]*DYN'
    check holds dynamic 'FLAGS.*NOW'
    check holds segments 'INTERP'
    ;;
static-pie)
    check holds header 'Type:[[:space:]]*DYN'
    check holds dynamic 'FLAGS.*NOW'
    check lacks segments 'INTERP'  # relocates itself, needs no loader
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
exit $fail
