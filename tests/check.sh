# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT
# shellcheck shell=sh disable=SC2034 # fail is what the sourcing script exits with

# Sourced by the test scripts: `check COMMAND...` runs a check, says it
# when it fails and goes on, so that one run shows every failure; the
# script ends with `exit $fail`. `... || fatal WHAT` says that a step the
# checks cannot go on without failed, and ends the script. `quiet
# COMMAND...` runs a command and shows what it said only if it fails;
# `refused COMMAND...` succeeds where the command fails; `named FILE PREFIX`
# where FILE's name starts with PREFIX.
fail=0
check() { if ! "$@"; then echo "FAILED: $*"; fail=1; fi; }
fatal() { echo "FAILED, and so nothing after it was checked: $*"; exit 1; }
quiet() { said=$("$@" 2>&1) || { printf '%s\n' "$said"; return 1; }; }
refused() { ! "$@" >/dev/null 2>&1; }
named() { case ${1##*/} in "$2"*) ;; *) return 1 ;; esac; }
