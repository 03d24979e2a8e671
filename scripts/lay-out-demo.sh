#!/usr/bin/env bash
# Lays out a demo below DEST: a program directory DEST/korvex (the built programs and the
# delivered data, nothing of what build/bin has been through) past its first start, the module
# korvex-cli prints with in DEST/lib/korvex, and the sample Quake II tree DEST/quake2, stored as
# the game's location in quakepath.dat.
# A demo that exists already is kept as the player left it (Player-CFGs, options, MODs, the
# game tree); only the programs, macros, detection files and the handbook are brought up to
# date. --fresh throws it away and lays it out anew.
#   scripts/lay-out-demo.sh BUILD_DIR DEST [--fresh]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$1
dest=$2
fresh=${3:-}

new_demo=false
if [ "$fresh" = "--fresh" ] || [ ! -d "$dest/korvex" ] || [ ! -d "$dest/quake2" ]; then
  new_demo=true
  rm -rf "$dest/korvex" "$dest/quake2"
  mkdir -p "$dest/korvex"
fi
cp --remove-destination "$build_dir/bin/korvex" "$build_dir/bin/korvex-cli" "$dest/korvex/"
mkdir -p "$dest/lib/korvex"
cp --remove-destination "$build_dir/lib/korvex/korvex-cli-pdf.so" "$dest/lib/korvex/"
touch "$dest/korvex/korvex.portable"
"$dest/korvex/korvex-cli" --program-dir "$dest/korvex" lay-out "$build_dir/share/korvex"
if $new_demo; then
  cp -r "$build_dir/sample-quake2" "$dest/quake2"
  # Korvex's files are Windows-1252; the path comes from the file system in UTF-8.
  printf '%s\r\n' "$dest/quake2" | iconv -f UTF-8 -t WINDOWS-1252 > "$dest/korvex/quakepath.dat"
  # Detection files for the sample MODs, so that the complete MOD scan recognises them.
  cp "$root/tests/fixtures/automod/"* "$dest/korvex/automod/"
  # The first start's complete MOD scan rebuilds the catalogue and would drop assignments made
  # before it, so the demo runs that scan here, assigns the delivered Player-CFG to the sample
  # MODs and the game itself and counts as started once: a new user can launch at once.
  cli=("$dest/korvex/korvex-cli" --program-dir "$dest/korvex")
  "${cli[@]}" scan-mods >/dev/null 2>&1 || { echo "lay-out-demo: the complete MOD scan failed" >&2; exit 1; }
  "${cli[@]}" assign ctf Player
  "${cli[@]}" assign arena Player
  "${cli[@]}" assign baseq2 Player
  rm -f "$dest/korvex/korvex.ini"
fi
