#!/usr/bin/env bash
# Starts korvex on a fresh demo program directory, waits for the main window, checks its
# caption, presses Exit and checks what the exit left behind.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
build_dir=$1
lay_out_demo=$2

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
# Names with an umlaut: the directory holding the program and the last Player-CFG. On disk they
# are UTF-8, lastplayer.dat holds Windows-1252.
top="$work/J"$'\xc3\xbc'"rgen"
bash "$lay_out_demo" "$build_dir" "$top" >/dev/null
program=$top/korvex
cp -r "$program/players/Player" "$program/players/J"$'\xc3\xbc'"rgen"
printf 'J\xfcrgen\r\n' > "$program/players/lastplayer.dat"

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$program/korvex" &
pid=$!

window=""
wait_until 60 find_window || fail "no main window appeared"
# The window shows before the last Player-CFG has been loaded into it.
wait_until 60 caption_is "Korvex v0.855ß - Jürgen" || fail "caption is '$(xdotool getwindowname "$window")'"
[ -f "$program/INKORVEX.INF" ] || fail "no running-instance marker while running"
# Whatever the exit writes must be written anew.
rm -f "$program/players/lastplayer.dat" "$program/korvexoptions.dat"

wait_until 60 press_exit || fail "korvex did not end after Exit"
wait "$pid" || fail "korvex ended with an error"
pid=""

[ -f "$program/korvexoptions.dat" ] || fail "korvexoptions.dat not written"
[ "$(cat "$program/players/lastplayer.dat")" = $'J\xfcrgen\r' ] || fail "lastplayer.dat not written"
[ ! -e "$program/INKORVEX.INF" ] || fail "INKORVEX.INF left behind"
echo "1 passed, 0 failed"
