#!/usr/bin/env bash
# Takes the handbook's pictures from the real program: runs the end-to-end walk of a new
# player's whole road (tests/e2e/whole_road.sh, with the sample tree's stand-in game) on a
# virtual screen and copies every picture it took into docs/images/, named without its number
# (01-disclaimer.png becomes disclaimer.png).
#   scripts/handbook-images.sh [BUILD_DIR]     (BUILD_DIR defaults to build; korvex must be built)
# KORVEX_IMAGES_DISPLAY chooses the virtual screen's display number (default: a free one).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(cd "${1:-$root/build}" && pwd)
images=$root/docs/images
pictures=$build_dir/e2e-output/whole_road-stub

if [ -n "${KORVEX_IMAGES_DISPLAY:-}" ]; then screen=(-n "${KORVEX_IMAGES_DISPLAY#:}"); else screen=(-a); fi
# The same place every time, so that the paths the pictures show do not change.
KORVEX_E2E_DIR=/tmp/korvex-handbook xvfb-run "${screen[@]}" -s "-screen 0 1024x768x24 -noreset" \
  bash "$root/tests/e2e/whole_road.sh" "$build_dir" "$root/scripts/lay-out-demo.sh" "$pictures" >/dev/null ||
  { echo "handbook-images: the walk failed; what the screen showed is in $pictures/failure.png" >&2; exit 1; }

mkdir -p "$images"
for picture in "$pictures"/[0-9][0-9]-*.png; do
  name=$(basename "$picture")
  cp "$picture" "$images/${name#[0-9][0-9]-}"
done
echo "Pictures written to $images"
