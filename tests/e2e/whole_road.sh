#!/usr/bin/env bash
# A new player's whole road, walked in the real window with the mouse and the keyboard: the
# first start (disclaimer, welcome, the MOD scan), a macro on the delivered Player-CFG that
# asks for two chat texts in the macro dialog and for two keys, two server options, a second
# Player-CFG that inherits from the first and binds a key of its own, assigned to CTF with
# options of the MOD's own, and the launch. Then the game's record shows the command line,
# the chain of scripts from the MOD's autoexec.cfg, the merged bindings and the options.
# Every page and dialog on the way is saved as a picture in the output directory.
# Arguments: the build directory, the script that lays out the demo, the output directory,
# and for the real engine its scripts directory and the directory it was built into (without
# them the sample tree's stand-in game runs). Runs inside Xvfb.
set -euo pipefail
first_start=true
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
pictures=$3
engine_scripts=${4:-}
engine_dir=${5:-}

quake=$work/quake2
rm -rf "$pictures"
mkdir -p "$pictures" "$work/home"
# A fresh installation: the first start finds the MODs itself.
rm -f "$program/mods/"*
if [ -n "$engine_dir" ]; then
  use_real_engine "$quake" "$engine_scripts" "$engine_dir"
  export YQ2_EXTRA="+bindlist +alias +cvarlist +quit"
fi
export HOME=$work/home
start_window_manager

# The first start: the disclaimer, the welcome message, then the scan asks about each MOD.
"$program/korvex" >"$work/korvex.log" 2>&1 &
pid=$!
wait_until 60 focused '^Disclaimer$' || fail "no disclaimer at the first start"
picture disclaimer "$dialog"
click 342 296 "$dialog"                                   # Accept
wait_until 20 focused '^Korvex$' || fail "no welcome message"
picture welcome "$dialog"
welcome=$dialog
close_dialog Return
answered=" $welcome "
scan_done() {
  [ -f "$program/mods/ctf" ] && [ -f "$program/mods/arena" ] && gone '^Korvex$' && return 0
  if focused '^Korvex$' && [[ "$answered" != *" $dialog "* ]]; then
    [ "$answered" = " $welcome " ] && picture mod-scan "$dialog"
    xdotool key Return                                    # Yes, that MOD it is
    answered+="$dialog "
  fi
  return 1
}
wait_until 60 scan_done || fail "the first start's MOD scan did not find CTF and Arena: $(ls "$program/mods")"
[ ! -e "$program/korvex.ini" ] || fail "the first-run marker is still there"
wait_until 20 find_window || fail "no main window"
page_shows Player
picture config-editor

# The delivered Player-CFG: the category Communication, "Two chat messages", its two texts
# typed into the macro dialog, and the keys F5 and F6.
choose 120 80 81 81
click 60 170                                              # Two chat messages
picture bindings-tab
open_dialog 148 414 '^Korvex$'                            # Macro Information
picture macro-information "$dialog"
close_dialog Return
click 60 170                                              # the information unselected it
click 343 414                                             # Add to Config
page_shows "Macro-Dialog (Two chat messages)"
click 284 78
xdotool key ctrl+a
xdotool type --delay 20 "Hello from the road"
click 304 118
xdotool key ctrl+a
xdotool type --delay 20 "Bye from the road"
picture macro-dialog
click 286 488                                             # OK
wait_until 20 new_key_request || fail "no Key Binding Request"
picture key-binding-request "$dialog"
answer_key_request F5
answer_key_request F6
wait_until 20 exists "$program/players/Player/C_TWOSAY.MAC.out" || fail "the macro was not included"
page_shows Player
picture macro-included
open_dialog 482 441 '^Keyboard map - Player$'
picture keyboard-map "$dialog"
close_dialog Escape

# Two server options: a host name and at most 12 players.
click 125 48                                              # the Options tab
picture options-tab
xdotool mousemove --window "$window" 543 300 click --repeat 30 --delay 10 5
xdotool mousemove 0 0
click 388 275                                             # Hostname
xdotool type --delay 20 "Road House"
click 388 304                                             # Maximum number of players
xdotool key ctrl+a
xdotool type 12
picture options-server

# The second Player-CFG, after a look at the other Player-CFG dialogs.
open_dialog 219 479 '^New Player-CFG$'
xdotool type --delay 20 Newcomer
picture new-player "$dialog"
close_dialog Return
page_shows Newcomer
for button in "85 479 change-player Change" "353 479 delete-player Delete" "488 479 rename-player Rename" \
              "85 506 copy-player Copy"; do
  read -r x y name caption <<< "$button"
  open_dialog "$x" "$y" "^$caption Player-CFG\$"
  picture "$name" "$dialog"
  close_dialog Escape
done
# It inherits everything but the character from Player and jumps with SPACE.
click 190 48                                              # the Special tab
click 37 79                                               # Inherit Bindings/Options
choose 517 134 60 151                                     # Player
click 49 285                                              # not the Character Options
picture special-tab
click 125 48                                              # the Options tab: inherited groups greyed
picture options-inherited
click 56 48                                               # the Bindings tab
choose 120 80 81 123                                      # Movement
click 60 144                                              # Jump
click 343 414                                             # Add to Config
answer_key_request space
wait_until 20 exists "$program/players/Newcomer/M_JUMP.MAC.out" || fail "Jump was not included"

# The MOD-Launcher: CTF gets Newcomer, a parameter and a line for its autoexec.cfg.
click 623 75
page_shows MOD-Launcher
picture mod-launcher
click 106 75                                              # Capture The Flag (CTF)
open_dialog 286 442 "^Edit MOD's Options and assign players to MOD \(Capture The Flag\)\$"
edit_mod=$dialog
picture edit-mod-options "$dialog"
open_dialog 150 427 '^Add a Player-CFG$' "$edit_mod"
click 46 39 "$dialog"                                     # Newcomer
picture add-player-cfg "$dialog"
click 140 240 "$dialog"                                   # Add
wait_until 20 focused "^Edit MOD's Options" || fail "the Player-CFG was not added"
click 56 495 "$dialog"                                    # Advanced >>
geometry=""
# grown HEIGHT: the dialog is taller than HEIGHT and has stopped moving.
grown() {
  local now
  now=$(xdotool getwindowgeometry --shell "$dialog") || return 1
  [ "$now" = "$geometry" ] && [ "$(sed -n 's/^HEIGHT=//p' <<< "$now")" -gt "$1" ] && return 0
  geometry=$now
  return 1
}
wait_until 20 grown 600 || fail "the additional parameters did not show"
click 287 546 "$dialog"                                   # Command Line Parameters
xdotool type --delay 20 "+set road 1"
click 287 614 "$dialog"                                   # Lines to include in config
xdotool type --delay 20 "echo road config line"
picture edit-mod-options-advanced "$dialog"
click 438 675 "$dialog"                                   # OK
wait_until 20 window_gone "$edit_mod" || fail "the MOD's options dialog stayed open"
assigned() { grep -qx $'Newcomer\r' "$program/mods/ctf"; }
wait_until 20 assigned || fail "Newcomer was not assigned to CTF: $(cat "$program/mods/ctf")"

# Launch: select Newcomer below CTF and press the launch button.
click 29 75                                               # open CTF
click 120 88                                              # Newcomer
picture mod-launcher-launch
click 286 442
if [ -n "$engine_dir" ]; then
  record=$quake/engine.log
  game_over() { grep -q "=== engine exit status" "$record" 2>/dev/null && [ ! -e "$program/backup" ]; }
else
  record=$quake/quake2-stub.log
  game_over() { [ -s "$record" ] && [ ! -e "$program/backup" ]; }
fi
wait_until 120 game_over || fail "the game did not run, or the game's files were not restored"
[ ! -e "$quake/ctf/autoexec.cfg" ] || fail "the generated autoexec.cfg was left behind"

click 623 171
page_shows Options
picture options-page
click 623 219
page_shows "About / Credits"
picture about-page
click 623 27
exit_korvex

# What the game was given and what it ran.
expect() { record_has "$record" "$1"; }
if [ -n "$engine_dir" ]; then
  expect "cwd=$quake args: +set game ctf +set gamedir ctf +set deathmatch 1 +set road 1 +bindlist"
  chain=$(sed -n 's/^execing \(.*\)\.$/\1/p' "$record" | awk '!seen[$0]++')
  expected_chain="autoexec.cfg
../korvex/main.cfg
../korvex/options.cfg
../korvex/Communication.cfg
../korvex/Movement.cfg
../korvex/Shared Bindings and Hotkeys.CFG
../korvex/Initialize Hotkeys.CFG"
  for binding in 'F5 "say Hello from the road"' 'F6 "say Bye from the road"' 'SPACE "+moveup"'; do expect "$binding"; done
  for option in 'hostname "Road House"' 'maxclients "12"' 'name "unnamed"' 'road "1"'; do expect "$option"; done
  grep -qx "road config line *" "$record" || fail "the MOD's line did not run: $(cat "$record")"
  expect "=== engine exit status 0"
else
  expect "args: +set game ctf +set gamedir ctf +set deathmatch 1 +set road 1"
  expect "cwd: $quake"
  chain=$(sed -n "s|^exec: $quake/||p" "$record")
  expected_chain="ctf/autoexec.cfg
korvex/main.cfg
korvex/options.cfg
korvex/Communication.cfg
korvex/Movement.cfg
korvex/Shared Bindings and Hotkeys.CFG
korvex/Initialize Hotkeys.CFG"
  for binding in 'F5 "say Hello from the road"' 'F6 "say Bye from the road"' 'SPACE "+moveup"'; do expect "BIND $binding"; done
  for option in 'hostname "Road House"' 'maxclients "12"' 'name "unnamed"'; do expect "set $option"; done
  expect "  echo road config line"
fi
[ "$chain" = "$expected_chain" ] || fail "the scripts ran in the order$(echo; echo "$chain")"
echo "1 passed, 0 failed"
