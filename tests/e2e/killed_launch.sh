#!/usr/bin/env bash
# Kills a launch with SIGKILL while the game still runs and checks that the next start-up
# check puts every file of the player's back: byte for byte, under its own name and with its
# mode, and that what Korvex generated is gone.
# Arguments: the build directory, the script that lays out the demo.
set -euo pipefail
build_dir=$1
lay_out_demo=$2

work=$(mktemp -d)
launch=""
trap '[ -n "$launch" ] && kill -9 "$launch" 2>/dev/null; touch "$work/hold"; sleep 0.2; chmod -R u+w "$work"; rm -rf "$work"' EXIT
bash "$lay_out_demo" "$build_dir" "$work" >/dev/null
program=$work/korvex
quake=$work/quake2
home=$work/home
cli=("$program/korvex-cli" --program-dir "$program")

fail() { echo "FAIL: $*" >&2; exit 1; }
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

printf 'bind x "+attack"\r\n' > "$quake/ctf/CONFIG.CFG"
chmod 444 "$quake/ctf/CONFIG.CFG"
printf 'echo my own autoexec\r\n' > "$quake/ctf/AUTOEXEC.CFG"
printf 'set base 1\r\n' > "$quake/baseq2/config.cfg"
mkdir -p "$home/.yq2/ctf"
printf 'set user 1\r\n' > "$home/.yq2/ctf/config.cfg"
mkdir "$work/before"
cp -p "$quake/ctf/CONFIG.CFG" "$quake/ctf/AUTOEXEC.CFG" "$quake/baseq2/config.cfg" "$work/before/"
cp -p "$home/.yq2/ctf/config.cfg" "$work/before/user-config.cfg"

HOME=$home QUAKE2_STUB_HOLD=$work/hold "${cli[@]}" launch ctf Player > /dev/null 2>&1 &
launch=$!
wait_until 60 test -s "$quake/quake2-stub.log" || fail "the game never started"
[ ! -e "$quake/ctf/CONFIG.CFG" ] || fail "CONFIG.CFG was not put away for the game"
[ ! -e "$home/.yq2/ctf/config.cfg" ] || fail "the per-user config.cfg was not put away for the game"
grep -q "exec ../korvex/main.cfg" "$quake/ctf/autoexec.cfg" || fail "no generated autoexec.cfg"

kill -9 "$launch"
wait "$launch" 2>/dev/null || true
launch=""
touch "$work/hold"
[ -f "$program/INKORVEX.INF" ] || fail "the killed launch left no running-instance marker"

"${cli[@]}" --yes check > "$work/check.out" 2>&1 || fail "check --yes failed: $(cat "$work/check.out")"
same() {
  cmp -s "$1" "$2" || fail "$2 differs from what the player had"
  [ "$(stat -c %a "$1")" = "$(stat -c %a "$2")" ] || fail "$2 lost its mode"
}
same "$work/before/CONFIG.CFG" "$quake/ctf/CONFIG.CFG"
same "$work/before/AUTOEXEC.CFG" "$quake/ctf/AUTOEXEC.CFG"
same "$work/before/config.cfg" "$quake/baseq2/config.cfg"
same "$work/before/user-config.cfg" "$home/.yq2/ctf/config.cfg"
[ "$(ls "$quake/ctf" | grep -ci '^autoexec.cfg$')" = 1 ] || fail "the generated autoexec.cfg is still there"
[ "$(ls "$quake/ctf" | grep -ci '^config.cfg$')" = 1 ] || fail "a second config.cfg is there"
[ ! -e "$program/backup" ] || fail "the backup directory is still there"
echo "1 passed, 0 failed"
