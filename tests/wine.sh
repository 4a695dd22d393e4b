#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Runs the Windows program under Wine for the tests, in a prefix of their
# own, quiet and with no downloads asked for.
#   wine.sh PREFIX start [FRESH]   start a lasting wineserver and warm the
#                                  prefix up; with FRESH, first copy the new
#                                  prefix there, for a test that needs one
#                                  that nothing ran in: Wine boots once
#   wine.sh PREFIX run PROGRAM...  run a program in it: a path, or the name
#                                  of one of Windows' own (reg, cmd, ...)
#   wine.sh PREFIX stop            stop the wineserver
# A program named alone, Wine runs through its start.exe, whose
# ShellExecuteEx fails now and then (about one start in two thousand here,
# more under load), with "Internal error" or with nothing said: Windows'
# own programs are named by their path, which Wine loads itself.
set -e
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
# Debian keeps wine64 and wineserver out of PATH.
PATH=$PATH:/usr/lib/wine
# Wine mirrors Start menu entries and file types into the desktop's menus
# and icons: into the prefix with them, not into the tester's home. Where
# there is no /run/user/UID, its server keeps its socket in a folder it
# makes in TMPDIR: in the prefix too, which goes with it.
export XDG_DATA_HOME="$WINEPREFIX/xdg/data" XDG_CONFIG_HOME="$WINEPREFIX/xdg/config"
export XDG_CACHE_HOME="$WINEPREFIX/xdg/cache" TMPDIR="$WINEPREFIX"
# Wine's background services inherit the standard streams of whatever
# starts them and would hold the tests' pipes open: they write to a log of
# the prefix's, which a step that fails shows.
log=$WINEPREFIX.log
step() {
    "$@" </dev/null >>"$log" 2>&1 || { echo "FAILED: $* (WINEPREFIX=$WINEPREFIX), which said:"; cat "$log"; exit 1; }
}
case "$1" in
start)
    mkdir -p "$WINEPREFIX"
    "$0" "$WINEPREFIX" stop  # one left from an interrupted run would refuse a new start
    if [ -n "${2:-}" ]; then
        # Whole on disk once its server has ended, as it does when idle.
        step wine64 'C:\windows\system32\cmd.exe' /c exit
        step wineserver -w
        step rm -rf "$2"
        step cp -a "$WINEPREFIX" "$2"
    fi
    step wineserver -p
    step wine64 'C:\windows\system32\cmd.exe' /c exit
    ;;
run)
    program=$2
    shift 2
    case $program in */* | *\\*) ;; *) program="C:\\windows\\system32\\$program.exe" ;; esac
    exec wine64 "$program" "$@"
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 PREFIX start|run PROGRAM...|stop" >&2
    exit 2
    ;;
esac
