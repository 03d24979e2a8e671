#!/usr/bin/env bash
# Adds a macro with two key requests from the real window: chooses the category and the
# macro, presses "Add to Config", presses two keys through the X server, exits, and finds
# the keys in the scripts that korvex-cli compiles from the saved Player-CFG.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

bound() { tr -d '\r' < "$work/out/Movement.cfg" | grep -qxF "$1"; }

start_window_manager
start_korvex

# The third category (Movement), its first macro, then the last one of the list (Strafe left
# and right), then "Add to Config".
choose 120 80 81 123
click 60 105
xdotool key End
click 343 414
answer_key_request q
# The second request is a dialog of its own.
answer_key_request KP_Enter
wait_until 20 exists "$program/players/Player/M_STRAFE.MAC.out" || fail "the macro was not included"

exit_korvex

grep -q "M_STRAFE.MAC" "$program/players/Player/bindings.dat" || fail "the macro was not included"
"$program/korvex-cli" --program-dir "$program" compile Player "$work/out" || fail "compile failed"
bound 'BIND q "+moveleft"' || fail "no binding of q: $(cat "$work/out/Movement.cfg")"
bound 'BIND KP_ENTER "+moveright"' || fail "no binding of KP_ENTER: $(cat "$work/out/Movement.cfg")"
echo "1 passed, 0 failed"
