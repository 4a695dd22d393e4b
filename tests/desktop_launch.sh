#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The desktop's way in. The entry that `cmake --install` puts in the
# applications menu is valid, and opened as a desktop opens an entry that
# runs in a terminal (its Exec in xterm, here on a screen of Xvfb's), it
# plays a game, and the window closes one key after the answer, not before.
#   desktop_launch.sh BUILD_DIR CMAKE
build=$1 cmake=$2
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
xvfb='' xterm=''
trap 'kill $xterm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# Waits up to ten seconds for a command to succeed.
until_true() {
    tries=100
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || { echo "FAILED: waited in vain for: $*"; exit 1; }
        sleep 0.1
    done
}

"$cmake" --install "$build" --prefix "$work/usr" >/dev/null || fatal "the game could not be installed in $work/usr"
entry=$work/usr/share/applications/guess.desktop
check desktop-file-validate "$entry"
field() { sed -n "s/^$1=//p" "$entry"; }
check test "$(field Terminal)" = true
check test -f "$work/usr/share/icons/hicolor/scalable/apps/$(field Icon).svg"

# A screen of its own, on a free display, which says when it is ready; on
# an abstract socket alone, so that it leaves no folder in /tmp.
mkfifo "$work/display" || fatal "no pipe to read the screen from"
Xvfb -displayfd 3 -nolisten tcp -nolisten unix 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$work/display" || fatal "Xvfb gave no screen"
export DISPLAY=":$display"

mkdir "$work/home" && cd "$work/home" || fatal "no home folder for the terminal"
# shellcheck disable=SC2046 # the entry's command line, in words, as a launcher splits it
xterm -l -lf "$work/screen" -e $(field Exec) 2>/dev/null &
xterm=$!
window=$(xdotool search --sync --onlyvisible --pid $xterm | head -n 1)
xdotool windowfocus --sync "$window" || fatal "the terminal's window could not be focused"
prompt='Enter number from 0 to 9 just here to zembrate : '
shows() { grep -qF "$1" "$work/screen" 2>/dev/null; }
until_true shows "$prompt"
xdotool type 5 && xdotool key Return || fatal "the guess could not be typed"
until_true shows "That's your victory!"

# The game now waits for a key, at a terminal it has taken out of line mode;
# a key pressed before that would be dropped with the rest of the line.
game_tty=/dev/$(ps -o tty= --ppid $xterm | tr -d ' ')
waits() { stty -F "$game_tty" -a 2>/dev/null | grep -q -- '-icanon'; }
until_true waits
check kill -0 $xterm  # the window is still open, with the answer in it
xdotool key q
wait $xterm
check test $? = 0
xterm=''
check test "$(cat "$work/screen")" = "$(printf '%s5\r\nThat'\''s your victory!\r' "$prompt")"
check test -z "$(ls -A "$work/home")"  # nothing left where it ran
exit $fail
