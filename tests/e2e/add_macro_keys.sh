#!/usr/bin/env bash
# Adds a macro with two key requests from the real window: chooses the category and the
# macro, presses "Add to Config", presses two keys through the X server, exits, and finds
# the keys in the scripts that korvex-cli compiles from the saved Player-CFG.
# Arguments: the build directory, the script that lays out the demo. Runs inside Xvfb.
set -euo pipefail
build_dir=$1
lay_out_demo=$2

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
bash "$lay_out_demo" "$build_dir" "$work" >/dev/null
program=$work/korvex
rm -f "$program/korvex.ini"

fail() { echo "FAIL: $*" >&2; exit 1; }
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
caption_is() { [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; }
find_window() { window=$(xdotool search --onlyvisible --name 'Korvex v0\.855' 2>/dev/null | head -n 1) && [ -n "$window" ]; }
key_dialog_open() { xdotool search --onlyvisible --name '^Korvex$' >/dev/null 2>&1; }
key_dialog_closed() { ! key_dialog_open; }
korvex_ended() { ! kill -0 "$pid" 2>/dev/null; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
press_exit() {
  xdotool mousemove --window "$window" 628 507 click 1 2>/dev/null || true
  wait_until 5 korvex_ended
}
bound() { tr -d '\r' < "$work/out/Movement.cfg" | grep -qxF "$1"; }

"$program/korvex" &
pid=$!
window=""
wait_until 60 find_window || fail "no main window appeared"
wait_until 60 caption_is "Korvex v0.855ß - Player" || fail "caption is '$(xdotool getwindowname "$window")'"
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

wait_until 60 press_exit || fail "korvex did not end after Exit"
wait "$pid" || fail "korvex ended with an error"
pid=""

grep -q "M_STRAFE.MAC" "$program/players/Player/bindings.dat" || fail "the macro was not included"
"$program/korvex-cli" --program-dir "$program" compile Player "$work/out" || fail "compile failed"
bound 'BIND q "+moveleft"' || fail "no binding of q: $(cat "$work/out/Movement.cfg")"
bound 'BIND KP_ENTER "+moveright"' || fail "no binding of KP_ENTER: $(cat "$work/out/Movement.cfg")"
echo "1 passed, 0 failed"
