# What the end-to-end tests share: a fresh demo program directory, polling waits and the
# main window. Sourced with the build directory and the demo lay-out script as $1 and $2;
# sets work, program, pid and window. A script that walks the first start sets
# first_start=true before, so that the installation's first-run marker is there.
# KORVEX_E2E_DIR names the directory to work in (made anew, removed at the end), so that
# paths on the pictures stay the same from run to run; by default it is a fresh temporary one,
# named after work_template when a script sets it (as mktemp's template).
build_dir=$1
lay_out_demo=$2

if [ -n "${KORVEX_E2E_DIR:-}" ]; then
  work=$KORVEX_E2E_DIR
  rm -rf "$work"
  mkdir -p "$work"
else
  work=$(mktemp -d ${work_template:+-t "$work_template"})
fi
pid=""
helpers=()
trap 'for helper in $pid "${helpers[@]}"; do kill "$helper" 2>/dev/null; done; rm -rf "$work"' EXIT
bash "$lay_out_demo" "$build_dir" "$work" >/dev/null
program=$work/korvex
# The demo is laid out past its first start; a walk of the first start puts the marker back.
if ${first_start:-false}; then : > "$program/korvex.ini"; fi

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# start_korvex [PLAYER]: starts korvex and waits until its main window shows the last
# Player-CFG (Player by default).
start_korvex() {
  "$program/korvex" &
  pid=$!
  window=""
  wait_until 60 find_window || fail "no main window appeared"
  # The window shows before the last Player-CFG has been loaded into it.
  wait_until 60 caption_is "Korvex v0.855ß - ${1:-Player}" || fail "caption is '$(xdotool getwindowname "$window")'"
}
# Presses Exit and waits until korvex has ended without an error.
exit_korvex() {
  wait_until 60 press_exit || fail "korvex did not end after Exit"
  wait "$pid" || fail "korvex ended with an error"
  pid=""
}
# click X Y [WINDOW]: a left click at that point of the main window (or of WINDOW); then the
# pointer leaves the window, so that no hint covers what comes next.
click() {
  xdotool mousemove --window "${3:-$window}" "$1" "$2" click 1
  xdotool mousemove 0 0
}
# choose X Y ITEM_X ITEM_Y: opens the list of the box at X,Y and picks the entry at ITEM_X,ITEM_Y.
choose() {
  click "$1" "$2"
  wait_until 10 list_open || fail "the list of the box at $1,$2 did not open"
  click "$3" "$4"
  wait_until 10 list_closed || fail "the list of the box at $1,$2 did not close"
}
# A drop-down list is a window of korvex's without a caption of its own.
list_open() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = korvex ] && return 0
  done
  return 1
}
list_closed() { ! list_open; }
# open_dialog X Y PATTERN [WINDOW]: clicks the button at X,Y and waits for the dialog it opens.
open_dialog() {
  click "$1" "$2" "${4:-$window}"
  wait_until 20 focused "$3" || fail "no dialog '$3' after the click at $1,$2"
}
# close_dialog KEY: answers the dialog with the key and waits until it has gone.
close_dialog() {
  local closing=$dialog
  xdotool key "$1"
  wait_until 20 window_gone "$closing" || fail "the dialog stayed open after $1"
}
# window_gone ID: the window is no longer shown.
window_gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# page_shows TEXT: the main window's caption names the page (or the current Player-CFG).
page_shows() {
  wait_until 20 caption_is "Korvex v0.855ß - $1" || fail "the page '$1' did not show: '$(xdotool getwindowname "$window")'"
}
exists() { [ -e "$1" ]; }

# answer_key_request KEY: presses the key in the next Key Binding Request. Every request is a
# window of its own: the next one has another id.
answered_request=""
answer_key_request() {
  wait_until 20 new_key_request || fail "no Key Binding Request after '$answered_request'"
  xdotool key "$1"
  answered_request=$dialog
}
new_key_request() { focused '^Korvex$' && [ "$dialog" != "$answered_request" ]; }

# A window manager gives each new dialog the keyboard focus and draws the captions that the
# pictures show.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  helpers+=($!)
  wait_until 30 window_manager_runs || fail "openbox did not start"
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# picture NAME [WINDOW]: saves the window (the main window by default) with its frame as
# $pictures/NN-NAME.png, numbered in the order taken, once two looks in a row are the same.
picture_count=0
picture() {
  local id=${2:-$window} deadline=$((SECONDS + 10))
  picture_count=$((picture_count + 1))
  import -frame -window "$id" "$work/before.ppm"
  import -frame -window "$id" "$work/look.ppm"
  until cmp -s "$work/before.ppm" "$work/look.ppm" || [ "$SECONDS" -ge "$deadline" ]; do
    mv "$work/look.ppm" "$work/before.ppm"
    sleep 0.2
    import -frame -window "$id" "$work/look.ppm"
  done
  convert "$work/look.ppm" -strip "$pictures/$(printf %02d "$picture_count")-$1.png"
}
