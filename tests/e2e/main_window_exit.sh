#!/usr/bin/env bash
# Starts korvex on a fresh demo program directory, waits for the main window, checks its
# caption, presses Exit and checks what the exit left behind.
# Arguments: the built program directory, the sample Quake II tree. Runs inside Xvfb.
set -euo pipefail
bin_dir=$1
sample_quake=$2

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$bin_dir" "$work/korvex"
cp -r "$sample_quake" "$work/quake2"
rm -f "$work/korvex/korvex.ini" "$work/korvex/INKORVEX.INF"
printf '%s\r\n' "$work/quake2" > "$work/korvex/quakepath.dat"

fail() { echo "FAIL: $*" >&2; exit 1; }

"$work/korvex/korvex" &
pid=$!

window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --name 'Korvex v0\.855' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no main window appeared"
# The window shows before the last Player-CFG has been loaded into it.
for _ in $(seq 1 100); do
  title=$(xdotool getwindowname "$window")
  [ "$title" = "Korvex v0.855ß - Player" ] && break
  sleep 0.1
done
[ "$title" = "Korvex v0.855ß - Player" ] || fail "caption is '$title'"
[ -f "$work/korvex/INKORVEX.INF" ] || fail "no running-instance marker while running"
# Whatever the exit writes must be written anew.
rm -f "$work/korvex/players/lastplayer.dat" "$work/korvex/korvexoptions.dat"

# The Exit button sits at the right end of the button row.
sleep 1
xdotool mousemove --window "$window" 615 512 click 1
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "korvex did not end after Exit"
wait "$pid" || fail "korvex ended with an error"

[ -f "$work/korvex/korvexoptions.dat" ] || fail "korvexoptions.dat not written"
[ "$(cat "$work/korvex/players/lastplayer.dat")" = $'Player\r' ] || fail "lastplayer.dat not written"
[ ! -e "$work/korvex/INKORVEX.INF" ] || fail "INKORVEX.INF left behind"
echo "1 passed, 0 failed"
