# Shared by the end-to-end scripts: sourced after their arguments are read.
fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_until SECONDS COMMAND...: polls the command until it succeeds; false after SECONDS.
# Every wait polls with a generous deadline, so a slow machine only makes the test slower.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
# The window helpers read $window and $pid, which each script sets.
caption_is() { [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; }
# find_window [PATTERN]: the first visible window whose name matches (the main window by default).
find_window() { window=$(xdotool search --onlyvisible --name "${1:-Korvex v0\.855}" 2>/dev/null | head -n 1) && [ -n "$window" ]; }
korvex_ended() { ! kill -0 "$pid" 2>/dev/null; }
# The Exit button sits at the bottom of the button column on the right. A click that came
# before the window took input is simply repeated.
press_exit() {
  xdotool mousemove --window "$window" 628 507 click 1 2>/dev/null || true
  wait_until 5 korvex_ended
}
