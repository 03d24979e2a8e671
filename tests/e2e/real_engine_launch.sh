#!/usr/bin/env bash
# Launches a Player-CFG with korvex-cli, given its program directory as a relative path,
# against a Quake II directory whose quake2 is the real engine (run headless by its wrapper
# script) and checks in the engine's console output that the compiled bindings, aliases and
# cvars are live, and that the game's files are put back afterwards.
# Arguments: the build directory, the script that lays out the demo, the engine's scripts
# directory, the directory the engine was built into.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
engine_scripts=$3
engine_dir=$4
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
# Every option of the Player-CFG is live in the engine under the name the engine reads
# (docs/engine-cvars.md), from the option's own line or the one added for a native engine.
# live NAME VALUE: the engine's list of variables (+cvarlist) holds NAME with VALUE.
live() { grep -qxE ".{5}$1 \"${2//./\\.}\"" "$log" || fail "the engine has no $1 \"$2\":$(echo; cat "$log")"; }
live cl_vwep 1; live g_select_empty 1; live con_notifytime 6; live fov 90
live r_mode 4; live viewsize 100; live r_shadows 1; live r_palettedtextures 1; live gl_finish 0
live gl_polyblend 0; live r_modulate 5; live vid_gamma 1.0
live s_volume 0.7; live s_khz 22; live s_loadas8bit 0; live ogg_enable 0
live sensitivity 2.5; live m_pitch 0.01200; live m_yaw 0.01200; live lookstrafe 0; live freelook 1; live m_filter 1
live name Player; live skin male/grunt; live crosshair 1; live gender male; live cl_run 1; live hand 0; live rate 25000
live hostname ""; live allow_download 0; live allow_download_maps 1; live allow_download_players 1
live allow_download_models 1; live allow_download_sounds 1
expect "Setting mode 4: 640x480"
expect "Sound sampling rate: 22050"
# The wrapper starts the engine with +set vid_renderer soft, which overrides every script; the
# renderer's line can only be found where Korvex wrote it.
record_has "$quake/korvex/options.cfg" 'set vid_renderer "gl1"'
grep -q "=== engine exit status 0" "$log" || fail "the engine did not end normally"
[ ! -e "$quake/ctf/autoexec.cfg" ] || fail "the generated autoexec.cfg was left behind"
[ "$(cat "$quake/ctf/config.cfg")" = $'set mine 1\r' ] || fail "the player's config.cfg was not put back"
[ ! -e "$program/backup" ] && [ ! -e "$program/INKORVEX.INF" ] || fail "the launch left its backups or its marker"
echo "1 passed, 0 failed"
