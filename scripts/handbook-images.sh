#!/usr/bin/env bash
# Takes the handbook's pictures from the real program: lays out a fresh demo, starts Korvex on
# a virtual screen, walks it the way a new player would (first start, every page, the
# Player-CFG dialogs) and saves each window as it is on the screen in docs/images/.
#   scripts/handbook-images.sh [BUILD_DIR]     (BUILD_DIR defaults to build; korvex must be built)
# KORVEX_IMAGES_DISPLAY chooses the virtual screen's display number (default :99).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(cd "${1:-$root/build}" && pwd)
images=$root/docs/images
export DISPLAY=${KORVEX_IMAGES_DISPLAY:-:99}

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
korvex_pid=""
cleanup() {
  [ -n "$korvex_pid" ] && kill "$korvex_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
# A window manager draws the title bars, so each picture shows its window's caption.
openbox >/dev/null 2>&1 &
wm_pid=$!
bash "$root/scripts/lay-out-demo.sh" "$build_dir" "$work" --fresh
# The pictures begin with the first start after installation: disclaimer, welcome, MOD scan.
: > "$work/korvex/korvex.ini"
mkdir -p "$images"

fail() { echo "handbook-images: $*" >&2; exit 1; }
# window NAME: the id of the visible window whose whole caption is NAME, waiting for it.
window() {
  local id="" deadline=$((SECONDS + 30))
  until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) && [ -n "$id" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no window '$1' appeared"
    sleep 0.2
  done
  echo "$id"
}
# The last step's effects are painted before a picture is taken.
settle() { sleep 0.6; }
shot() { settle; import -frame -window "$1" "$images/$2.png"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; settle; }
key() { xdotool key "$@"; settle; }

"$work/korvex/korvex" >/dev/null 2>&1 &
korvex_pid=$!

disclaimer=$(window Disclaimer)
shot "$disclaimer" disclaimer
click "$disclaimer" 342 296                          # Accept
shot "$(window Korvex)" welcome
key Return

main=$(window "Korvex v0.855ß - Player")
shot "$main" config-editor
click "$main" 156 80                                 # the category box
key Down Down Down Return
click "$main" 100 144                                # a macro of the category
shot "$main" bindings-tab
click "$main" 156 440                                # Macro Information
shot "$(window Korvex)" macro-information
key Return
click "$main" 125 48                                 # the Options tab
shot "$main" options-tab
click "$main" 190 48                                 # the Special tab
shot "$main" special-tab
click "$main" 56 48

click "$main" 219 479                                # New Player-CFG
dialog=$(window "New Player-CFG")
xdotool type --delay 50 "Newcomer"
shot "$dialog" new-player
key Return
main=$(window "Korvex v0.855ß - Newcomer")
for button in "85 479 change-player Change" "353 479 delete-player Delete" "488 479 rename-player Rename" \
              "85 506 copy-player Copy"; do
  read -r x y picture caption <<< "$button"
  click "$main" "$x" "$y"
  shot "$(window "$caption Player-CFG")" "$picture"
  key Escape
done

for page in "623 75 mod-launcher MOD-Launcher" "623 171 options-page Options" "623 219 about-page About / Credits"; do
  read -r x y picture caption <<< "$page"
  click "$main" "$x" "$y"
  shot "$(window "Korvex v0.855ß - $caption")" "$picture"
done

click "$main" 623 27
click "$main" 623 506                                # Exit
wait "$korvex_pid" || fail "korvex ended with an error"
korvex_pid=""
echo "Pictures written to $images"
