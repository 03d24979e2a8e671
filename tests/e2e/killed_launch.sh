#!/usr/bin/env bash
# Launches the stand-in game from the MOD-Launcher page, kills korvex with SIGKILL while the
# game still runs, starts korvex again and accepts the restore; then every file of the
# player's is back, byte for byte, under its own name and with its mode, and what Korvex
# generated is gone.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
# The game waits for the hold file; at the end it is let go before the tree goes.
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; touch "$work/hold"; sleep 0.2; chmod -R u+w "$work"; rm -rf "$work"' EXIT
quake=$work/quake2
home=$work/home

printf 'bind x "+attack"\r\n' > "$quake/ctf/CONFIG.CFG"
chmod 444 "$quake/ctf/CONFIG.CFG"
printf 'echo my own autoexec\r\n' > "$quake/ctf/AUTOEXEC.CFG"
printf 'set base 1\r\n' > "$quake/baseq2/config.cfg"
mkdir -p "$home/.yq2/ctf"
printf 'set user 1\r\n' > "$home/.yq2/ctf/config.cfg"
mkdir "$work/before"
cp -p "$quake/ctf/CONFIG.CFG" "$quake/ctf/AUTOEXEC.CFG" "$quake/baseq2/config.cfg" "$work/before/"
cp -p "$home/.yq2/ctf/config.cfg" "$work/before/user-config.cfg"

game_started() { test -s "$quake/quake2-stub.log"; }
restored() { [ ! -e "$program/backup" ]; }
# The boxes at start-up (the second-copy question, then the restore question) are answered
# with their default buttons, Ignore and Yes.
answer_box() {
  find_window '^Korvex$' && xdotool windowfocus "$window" 2>/dev/null && xdotool key Return 2>/dev/null
  restored
}
# Clicks that came before the window took input are simply repeated.
launch_ctf_player() {
  xdotool mousemove --window "$window" 628 70 click 1 2>/dev/null || true
  sleep 0.3
  xdotool key Home Down Right Down 2>/dev/null || true
  sleep 0.3
  xdotool mousemove --window "$window" 286 442 click 1 2>/dev/null || true
  wait_until 5 game_started
}

export HOME=$home
QUAKE2_STUB_HOLD=$work/hold start_korvex
wait_until 60 launch_ctf_player || fail "the game was never started"
[ ! -e "$quake/ctf/CONFIG.CFG" ] || fail "CONFIG.CFG was not put away for the game"
[ ! -e "$home/.yq2/ctf/config.cfg" ] || fail "the per-user config.cfg was not put away for the game"
grep -q "exec ../korvex/main.cfg" "$quake/ctf/autoexec.cfg" || fail "no generated autoexec.cfg"

kill -9 "$pid"
wait "$pid" 2>/dev/null || true
touch "$work/hold"
[ -f "$program/INKORVEX.INF" ] || fail "the killed korvex left no running-instance marker"

"$program/korvex" &
pid=$!
wait_until 60 answer_box || fail "the backups were not restored at the next start"
wait_until 60 find_window 'Korvex v0\.855' || fail "no main window after the restore"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

same() {
  cmp -s "$1" "$2" || fail "$2 differs from what the player had"
  [ "$(stat -c %a "$1")" = "$(stat -c %a "$2")" ] || fail "$2 lost its mode"
}
same "$work/before/CONFIG.CFG" "$quake/ctf/CONFIG.CFG"
same "$work/before/AUTOEXEC.CFG" "$quake/ctf/AUTOEXEC.CFG"
same "$work/before/config.cfg" "$quake/baseq2/config.cfg"
same "$work/before/user-config.cfg" "$home/.yq2/ctf/config.cfg"
[ "$(ls "$quake/ctf" | grep -ci '^autoexec.cfg$')" = 1 ] || fail "the generated autoexec.cfg is still there"
[ "$(ls "$quake/ctf" | grep -ci '^config.cfg$')" = 1 ] || fail "a second config.cfg is there"
[ ! -e "$program/backup" ] || fail "the backup directory is still there"
echo "1 passed, 0 failed"
