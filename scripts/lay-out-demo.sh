#!/usr/bin/env bash
# Lays out a demo below DEST: a newly installed program directory DEST/korvex (the built
# programs and the delivered data, nothing of what build/bin has been through) and the sample
# Quake II tree DEST/quake2, stored as the game's location in quakepath.dat.
# A demo that exists already is kept as the player left it; only its programs are replaced by
# the ones just built. --fresh throws it away and lays it out anew.
#   scripts/lay-out-demo.sh BUILD_DIR DEST [--fresh]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$1
dest=$2
fresh=${3:-}

copy_programs() { cp --remove-destination "$build_dir/bin/korvex" "$build_dir/bin/korvex-cli" "$dest/korvex/"; }

if [ "$fresh" != "--fresh" ] && [ -d "$dest/korvex" ] && [ -d "$dest/quake2" ]; then
  copy_programs
  exit 0
fi
rm -rf "$dest/korvex" "$dest/quake2"
mkdir -p "$dest/korvex"
copy_programs
"${CMAKE_COMMAND:-cmake}" -DDATA_DIR="$root/data" -DPROGRAM_DIR="$dest/korvex" -P "$root/cmake/LayOutProgramDir.cmake"
cp -r "$build_dir/sample-quake2" "$dest/quake2"
printf '%s\r\n' "$dest/quake2" > "$dest/korvex/quakepath.dat"
