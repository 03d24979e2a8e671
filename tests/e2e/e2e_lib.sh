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

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
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
