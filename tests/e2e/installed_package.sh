#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and uses it as an installed
# Korvex with a fresh home: korvex-cli lays out the program directory there at its first start
# and compiles and launches (dry) against the sample game; korvex shows its main window on the
# same directory; the desktop entry, the metainfo and the package pass their checkers.
# Arguments: the build directory, the source directory. Runs inside Xvfb.
set -euo pipefail
build_dir=$1
source_dir=$2

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

deb=$(bash "$source_dir/scripts/package.sh" --built "$build_dir" "$work/out") || fail "the package was not built"
[[ "$(basename "$deb")" =~ ^korvex_[0-9.]+_[a-z0-9]+\.deb$ ]] || fail "the package is named $deb"
root=$work/root
dpkg-deb -x "$deb" "$root"
for file in games/korvex games/korvex-cli lib/korvex/korvex-cli-pdf.so share/korvex/macros/W_FIRE.MAC share/korvex/players/Player/options.dat \
    share/korvex/docs/handbook.md share/korvex/docs/images/config-editor.png share/applications/korvex.desktop share/icons/hicolor/scalable/apps/korvex.svg \
    share/icons/hicolor/48x48/apps/korvex.png share/man/man6/korvex.6.gz share/man/man6/korvex-cli.6.gz; do
  [ -e "$root/usr/$file" ] || fail "/usr/$file is not in the package"
done
for library in libqt6widgets6 libarchive13 libsdl2; do
  dpkg-deb -f "$deb" Depends | grep -q "$library" || fail "the package does not depend on $library"
done

export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
program=$HOME/.local/share/korvex
cli=("$root/usr/games/korvex-cli")
"${cli[@]}" players | grep -qx "\* Player" || fail "the first start did not lay out the Player-CFG"
[ -f "$program/korvex.ini" ] && [ -f "$program/macros/W_FIRE.MAC" ] || fail "no program directory in $program"

# The sample game with its MODs found and the delivered Player-CFG assigned to one of them.
cp -r "$build_dir/sample-quake2" "$work/quake2"
printf '%s\r\n' "$work/quake2" > "$program/quakepath.dat"
cp "$source_dir/tests/fixtures/automod/"* "$program/automod/"
"${cli[@]}" scan-mods >/dev/null || fail "the MOD scan failed"
"${cli[@]}" assign ctf Player || fail "the assignment failed"
"${cli[@]}" compile Player "$work/scripts" || fail "the compile failed"
grep -q "exec \"../korvex/options.cfg\"" "$work/scripts/main.cfg" || fail "the compile wrote no main.cfg"
launch=$("${cli[@]}" launch ctf Player --dry-run) || fail "the dry launch failed"
[[ "$launch" == *"+set game ctf"* && "$launch" == *"exec ../korvex/main.cfg"* ]] || fail "the dry launch printed: $launch"
"${cli[@]}" print Player "$work/player.pdf" && [ -s "$work/player.pdf" ] || fail "the print wrote no PDF file"

# Past the first start, korvex opens its main window on the directory korvex-cli laid out.
rm "$program/korvex.ini"
"$root/usr/games/korvex" &
pid=$!
window=""
wait_until 60 find_window || fail "no main window appeared"
[ -f "$program/INKORVEX.INF" ] || fail "korvex runs on another directory than $program"
wait_until 60 press_exit || fail "korvex did not end after Exit"
wait "$pid" || fail "korvex ended with an error"
pid=""

desktop-file-validate "$root/usr/share/applications/korvex.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "the metainfo is not valid"
lintian --fail-on error "$deb" || fail "lintian reports errors"
echo "1 passed, 0 failed"
