#!/usr/bin/env bash
# Adds a macro with two key requests from the real window: chooses the category and the
# macro, presses "Add to Config", presses two keys through the X server, exits, and finds
# the keys in the scripts that korvex-cli compiles from the saved Player-CFG.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

key_dialog_open() { xdotool search --onlyvisible --name '^Korvex$' >/dev/null 2>&1; }
key_dialog_closed() { ! key_dialog_open; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
bound() { tr -d '\r' < "$work/out/Movement.cfg" | grep -qxF "$1"; }

start_korvex
sleep 1  # the window takes input a moment after it shows

# The category combo box, its third category (Movement), the first macro, then the last one
# of the list (Strafe left and right), then "Add to Config".
click 120 80
click 76 123
click 60 105
xdotool key End
sleep 0.3
click 350 414
wait_until 20 key_dialog_open || fail "no key request dialog"
xdotool key q
# The second request opens the dialog anew.
sleep 1
wait_until 20 key_dialog_open || fail "no second key request"
xdotool key KP_Enter
wait_until 20 key_dialog_closed || fail "the key request dialog stayed open"
sleep 0.5

exit_korvex

grep -q "M_STRAFE.MAC" "$program/players/Player/bindings.dat" || fail "the macro was not included"
"$program/korvex-cli" --program-dir "$program" compile Player "$work/out" || fail "compile failed"
bound 'BIND q "+moveleft"' || fail "no binding of q: $(cat "$work/out/Movement.cfg")"
bound 'BIND KP_ENTER "+moveright"' || fail "no binding of KP_ENTER: $(cat "$work/out/Movement.cfg")"
echo "1 passed, 0 failed"
