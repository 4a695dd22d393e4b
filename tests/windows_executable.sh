#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The form of the Windows program: a hardened 64-bit console executable that
# imports only the system's own DLLs, carries its manifest (type 24, ID 1)
# asking for the invoking user's privilege level, its icon at every size
# Windows shows, and says who made it.
#   windows_executable.sh EXE
exe=$1
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
icons=$(mktemp -d) || fatal "no temporary folder"
trap 'rm -rf "$icons"' EXIT

headers=$(objdump -p "$exe") || fatal "objdump could not read $exe"
check test "$(printf '%s\n' "$headers" | sed -n 's/^Magic[[:space:]]*\([0-9a-f]*\).*/\1/p')" = 020b
check test "$(printf '%s\n' "$headers" | sed -n 's/^Subsystem[[:space:]]*\([0-9a-f]*\).*/\1/p')" = 00000003
# Loaded at a random address with 64-bit entropy, no code run from data, and
# none of the old terminal server compatibility paths.
has_flag() { printf '%s\n' "$headers" | grep -q "^[[:space:]]*$1\$"; }
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    check has_flag $flag
done
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $dlls
for dll in $dlls; do
    case $dll in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | user32.dll | advapi32.dll) ;;
    *) echo "FAILED: imports $dll, which is not part of Windows"; fail=1 ;;
    esac
done

resources=$(llvm-readobj --coff-resources "$exe") || fatal "llvm-readobj could not read $exe"
manifests=$(printf '%s\n' "$resources" | grep -A4 'Type: MANIFEST (ID 24)' | grep -c 'Name: (ID 1)')
check test "$manifests" = 1
check grep -q 'level="asInvoker"' "$exe"
check grep -q 'uiAccess="false"' "$exe"

wrestool -x -t 14 -o "$icons" "$exe" || fatal "the icons could not be taken out of $exe"
sizes=$(icotool -l "$icons"/* | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | paste -sd ' ' -)
echo "icon sizes: $sizes"
check test "$sizes" = "16 24 32 48 256"
version=$(wrestool -x --raw -t 16 "$exe" | strings -el) || fatal "the version resource could not be taken out of $exe"
value() { printf '%s\n' "$version" | sed -n "/^$1\$/{n;p;}"; }
check test "$(value CompanyName)" = "The guess developers"
check test "$(value LegalCopyright)" = "Copyright (c) 2026 The guess developers. MIT license."
check grep -q "assemblyIdentity .* version=\"$(value FileVersion).0\"" "$exe"  # one version everywhere
exit $fail
