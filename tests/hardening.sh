#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The hardening of a Linux program. What its form shows: relocated data
# read-only, no executable stack, and, as its kind asks, loaded at a random
# address, with no lazy binding. What its code shows: the stack protector,
# checked buffer calls (fortify, where the build optimises), and
# control-flow protection where the processor has it. A stripped or static
# program no longer shows its code: the objects it was linked from do. But
# where they hold the compiler's intermediate code rather than machine code
# (link-time optimisation without fat objects), or none are given, what a
# dynamic program imports from the C library shows it, but for the
# control-flow notes, which the C library's own start-up files leave out.
#   hardening.sh program dynamic|static-pie|static PROGRAM
#   hardening.sh code fortify|no-fortify PROGRAM [OBJECT...]
what=$1 kind=$2 program=$3
shift 3
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
read=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$read"' EXIT
holds() { grep -q -- "$2" "$read/$1"; }
lacks() { ! holds "$@"; }

if [ "$what" = code ]; then
    # (Clang's intermediate code is not even ELF.)
    for o in "$@"; do readelf -hW -sW -nW "$o" 2>&1; done >"$read/code"
    if [ $# = 0 ] || holds code ' __gnu_lto_slim$\|LLVM bitcode'; then
        readelf --dyn-syms -W "$program" >"$read/code" || fatal "unreadable: $program"
    else
        case $(sed -n 's/^ *Machine: *//p' "$read/code" | sort -u) in
        *X86-64* | *80386*) check holds code 'x86 feature: IBT, SHSTK' ;;
        *AArch64*) check holds code 'AArch64 feature: BTI, PAC' ;;
        esac
    fi
    check holds code '__stack_chk_fail'
    [ "$kind" = no-fortify ] || check holds code ' __[a-z]*_chk\($\|@\)'
    exit $fail
fi

readelf -hW "$program" >"$read/header" && readelf -lW "$program" >"$read/segments" && readelf -dW "$program" >"$read/dynamic" || fatal "unreadable: $program"
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
