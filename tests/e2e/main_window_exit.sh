#!/usr/bin/env bash
# Starts korvex on a fresh demo program directory, waits for the main window, checks its
# caption, presses Exit and checks what the exit left behind.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
# Names with an umlaut: the directory holding the program and the last Player-CFG. On disk they
# are UTF-8, lastplayer.dat holds Windows-1252.
work_template=J$'\xc3\xbc'rgen.XXXXXX
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
cp -r "$program/players/Player" "$program/players/J"$'\xc3\xbc'"rgen"
printf 'J\xfcrgen\r\n' > "$program/players/lastplayer.dat"

start_korvex Jürgen
[ -f "$program/INKORVEX.INF" ] || fail "no running-instance marker while running"
# Whatever the exit writes must be written anew.
rm -f "$program/players/lastplayer.dat" "$program/korvexoptions.dat"
exit_korvex

[ -f "$program/korvexoptions.dat" ] || fail "korvexoptions.dat not written"
[ "$(cat "$program/players/lastplayer.dat")" = $'J\xfcrgen\r' ] || fail "lastplayer.dat not written"
[ ! -e "$program/INKORVEX.INF" ] || fail "INKORVEX.INF left behind"
echo "1 passed, 0 failed"
