# What the end-to-end tests share: a fresh demo program directory, polling waits and the
# main window. Sourced with the build directory and the demo lay-out script as $1 and $2;
# sets work, program, pid and window.
build_dir=$1
lay_out_demo=$2

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
bash "$lay_out_demo" "$build_dir" "$work" >/dev/null
program=$work/korvex
rm -f "$program/korvex.ini"

fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_until SECONDS COMMAND...: polls the command until it succeeds; false after SECONDS.
# Every wait has a generous deadline, so a slow machine only makes the test slower.
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
korvex_ended() { ! kill -0 "$pid" 2>/dev/null; }
# The Exit button sits at the bottom of the button column on the right. A click that came
# before the window took input is simply repeated.
press_exit() {
  xdotool mousemove --window "$window" 628 507 click 1 2>/dev/null || true
  wait_until 5 korvex_ended
}
# Starts korvex and waits until its main window shows the last Player-CFG.
start_korvex() {
  "$program/korvex" &
  pid=$!
  window=""
  wait_until 60 find_window || fail "no main window appeared"
  # The window shows before the last Player-CFG has been loaded into it.
  wait_until 60 caption_is "Korvex v0.855ß - Player" || fail "caption is '$(xdotool getwindowname "$window")'"
}
# Presses Exit and waits until korvex has ended without an error.
exit_korvex() {
  wait_until 60 press_exit || fail "korvex did not end after Exit"
  wait "$pid" || fail "korvex ended with an error"
  pid=""
}
