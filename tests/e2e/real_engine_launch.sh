#!/usr/bin/env bash
# Launches a Player-CFG with korvex-cli, given its program directory as a relative path,
# against a Quake II directory whose quake2 is the real engine (run headless by its wrapper
# script) and checks in the engine's console output that the compiled bindings, aliases and
# cvars are live, and that the game's files are put back afterwards.
# Arguments: the build directory, the script that lays out the demo, the engine's scripts
# directory, the directory the engine was built into.
set -euo pipefail
build_dir=$1
lay_out_demo=$2
engine_scripts=$3
engine_dir=$4

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$lay_out_demo" "$build_dir" "$work" >/dev/null
program=$work/korvex
quake=$work/quake2
cd "$work"
cli=(korvex/korvex-cli --program-dir korvex)
use_real_engine "$quake" "$engine_scripts" "$engine_dir"

# Three delivered macros, one of them bound to a chord, included as "Add to Config" would.
include() { "${cli[@]}" run-macro "$@" > "$program/players/Player/$1.out"; }
include W_FIRE.MAC --key MOUSE1
include V_ZOOM.MAC --input 1=2 --key z
include M_JUMP.MAC --key 'SPACE|SHIFT'
printf '%s\r\n' 3 W_FIRE.MAC Fire Weapons V_ZOOM.MAC "Zoom while held" "View and Zoom" M_JUMP.MAC Jump Movement \
  > "$program/players/Player/bindings.dat"

mkdir -p "$work/home"
printf 'set mine 1\r\n' > "$quake/ctf/config.cfg"
command_line=$(HOME=$work/home YQ2_EXTRA="+bindlist +alias +cvarlist +quit" \
  "${cli[@]}" launch ctf Player) || fail "the launch failed"
[ "$command_line" = "$quake/quake2 +set game ctf +set gamedir ctf +set deathmatch 1 " ] ||
  fail "started '$command_line'"
log=$quake/engine.log
[ -f "$log" ] || fail "the engine wrote no console output"
expect() { record_has "$log" "$1"; }
expect "execing ../korvex/main.cfg."
expect 'MOUSE1 "+attack"'
expect 'z "+zoom"'
expect 'SHIFT "+hk_SHIFT"'
expect "+zoom : fov 45.00000"
expect "+hk_SHIFT : exec ../korvex/p_hk_SHIFT.cfg"
expect 'maxclients "24"'
grep -q "=== engine exit status 0" "$log" || fail "the engine did not end normally"
[ ! -e "$quake/ctf/autoexec.cfg" ] || fail "the generated autoexec.cfg was left behind"
[ "$(cat "$quake/ctf/config.cfg")" = $'set mine 1\r' ] || fail "the player's config.cfg was not put back"
[ ! -e "$program/backup" ] && [ ! -e "$program/INKORVEX.INF" ] || fail "the launch left its backups or its marker"
echo "1 passed, 0 failed"
