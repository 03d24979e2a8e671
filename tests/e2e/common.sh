# Shared by the end-to-end scripts: sourced after their arguments are read.
# A script that saves pictures also gets one of the whole screen as it was at the failure.
fail() {
  [ -n "${pictures:-}" ] && import -window root "$pictures/failure.png" 2>/dev/null
  echo "FAIL: $*" >&2
  exit 1
}
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
# shows PATTERN / gone PATTERN: whether a visible window's name matches.
shows() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! shows "$1"; }
# focused PATTERN: the newest visible window whose name matches has the keyboard focus; sets dialog.
focused() {
  dialog=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$dialog" ] &&
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ]
}
korvex_ended() { ! kill -0 "$pid" 2>/dev/null; }
# The Exit button sits at the bottom of the button column on the right. A click that came
# before the window took input is simply repeated.
press_exit() {
  xdotool mousemove --window "$window" 628 507 click 1 2>/dev/null || true
  wait_until 5 korvex_ended
}
# record_has FILE TEXT: the file (a game's record) holds the text.
record_has() { grep -qF -- "$2" "$1" || fail "'$2' is not in $1:$(echo; cat "$1")"; }
# use_real_engine QUAKE_DIR ENGINE_SCRIPTS ENGINE_DIR: the real engine, run headless by its
# wrapper script, becomes the game of the Quake II directory; its console goes to engine.log there.
use_real_engine() {
  [ -x "$3/quake2" ] && [ -f "$3/baseq2/pics/16to8.dat" ] ||
    fail "no Quake II engine in $3: scripts/test.sh builds it with $2/build.sh (its output: yq2-build.log in the build directory)"
  [ -f "$2/quake2-wrapper.sh" ] || fail "no engine wrapper script in $2"
  cp "$2/quake2-wrapper.sh" "$1/quake2"
  chmod +x "$1/quake2"
  export YQ2_DIR=$3
}
