#!/usr/bin/env bash
# Kills korvex-cli at each file-changing system call of an operation, and makes each such call
# fail with ENOSPC or EIO, on a demo laid out anew for every try. After every try the state must
# be the one before the operation or the one after an uninterrupted run, item by item (each
# Player-CFG, each MOD entry, each game directory, each other file), once `korvex-cli --yes
# check` has run; and the operation repeated must reach the state after the uninterrupted run.
# No temporary file of Korvex's may be left anywhere.
#   kill_sweep.sh BUILD_DIR LAY_OUT_DEMO [--every N] [OPERATION...]
# --every N tries every Nth call only (the normal suite's reduced sweep); without operations
# every operation is swept. Prints one line per operation and "N passed, N failed" at the end.
set -uo pipefail
build_dir=$1
lay_out_demo=$2
shift 2
every=1
if [ "${1:-}" = "--every" ]; then every=$2; shift 2; fi
cli=$build_dir/bin/korvex-cli
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/operations.sh"
operations=("$@")
((${#operations[@]})) || operations=("${ALL_OPERATIONS[@]}")

# LeakSanitizer cannot work under ptrace: a sanitized korvex-cli that strace follows looks for none.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
export CMAKE_COMMAND=${CMAKE_COMMAND:-cmake}

# The demo without its programs: korvex-cli of the build runs on it.
bash "$lay_out_demo" "$build_dir" "$work/demo" >/dev/null || { echo "could not lay out the demo" >&2; exit 1; }
rm -f "$work/demo/korvex/korvex" "$work/demo/korvex/korvex-cli"
mkdir -p "$work/demo/home" "$work/demo/exchange"

# korvex ARGS...: korvex-cli on the try's tree ($tree), with its HOME there.
korvex() { HOME=$tree/home "$cli" --program-dir "$tree/korvex" "$@"; }

# A copy of the prepared tree at $tree, whose path is the same for every try (some files hold it).
fresh_tree() {
  chmod -R u+w "$tree" 2>/dev/null; rm -rf "$tree"
  cp -a "$work/prepared" "$tree"
}

# A macro's output file that bindings.dat does not name is no part of its Player-CFG: Korvex
# never reads it, and the Player-CFG's next save removes it. (A macro is included by writing
# its output file first and bindings.dat last.)
unnamed_outputs() {
  local out
  for out in korvex/players/*/*.out; do
    [ -f "$out" ] || continue
    tr -d '\r' < "$(dirname "$out")/bindings.dat" 2>/dev/null | grep -qixF -- "$(basename "$out" .out)" || echo "$out"
  done
}

# One line per item, its name, a tab and all that lies below it (names, kinds, modes, links and
# digests of the bytes). An item is a Player-CFG, a MOD entry, a detection file, a macro, a game
# directory's entry, an entry of the per-user directory, an exchange file, or any other file.
snapshot() {
  (cd "$tree" && unnamed_outputs > "$work/unnamed")
  (cd "$tree" && {
    find korvex quake2 home exchange -mindepth 1 -printf 'E\t%p\t%y%m%l\n'
    find korvex quake2 home exchange -type f -exec sha256sum {} + | sed -E 's/^([0-9a-f]{16})[0-9a-f]*  (.*)$/H\t\2\t\1/'
  }) | awk -F'\t' '
    FILENAME != "-" { unnamed[$0]; next }
    $2 in unnamed { next }
    $2 ~ /^(korvex\/temp|quake2\/quake2-stub\.log|quake2\/korvex)(\/|$)/ { next }
    # Work in progress is no state: no listing takes it, and the leftover check below finds it.
    $2 ~ /\.korvex-(new|old|aside)(\/|$)/ { next }
    {
      n = split($2, part, "/")
      depth = (part[1] == "korvex" && part[2] ~ /^(players|mods|manifests|automod|macros)$/) || part[1] == "quake2" ? 3 : 2
      item = part[1]; for (i = 2; i <= depth && i <= n; i++) item = item "/" part[i]
      value[item] = value[item] " " $2 ":" $3
    }
    END { for (item in value) print item "\t" value[item] }' "$work/unnamed" - | LC_ALL=C sort
}

# Korvex's work in progress, which no state of its own directories may keep once recovery ran.
# One beside a file written into the player's own folder (an export) is his to clear away.
leftovers() {
  find "$tree/korvex" "$tree/quake2" "$tree/home" \( -name '*.korvex-new' -o -name '*.TMP' -o -iname 'CREATE.DAT' -o -name '*.korvex-old' \) -print
}

# mixed BEFORE AFTER NOW: the items of NOW that are neither as BEFORE nor as AFTER.
mixed() {
  LC_ALL=C join -t $'\t' -a1 -a2 -e - -o 0,1.2,2.2 "$1" "$2" > "$work/both"
  LC_ALL=C join -t $'\t' -a1 -a2 -e - -o 0,1.2,1.3,2.2 "$work/both" "$3" | awk -F'\t' '$4 != $2 && $4 != $3 { print "  " $1 }'
}

# The file-changing calls of a run, each as "SYSCALL N": the Nth call of that system call in
# korvex-cli's own process, the count the injection uses.
file_changing_calls() {
  awk -v main="$(head -n1 "$1" | cut -d' ' -f1)" '
    $1 != main { next }
    { name = $2; sub(/\(.*/, "", name); count[name]++ }
    name ~ /^(open|openat|creat)$/ && $0 !~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/ { next }
    name ~ /^(write|pwrite64)$/ && $0 !~ /^[0-9]+ [a-z0-9]+\([0-9]+<\// { next }
    name ~ /^(open|openat|creat|write|pwrite64|rename|renameat|renameat2|unlink|unlinkat|mkdir|mkdirat|rmdir|fsync|fdatasync|chmod|fchmod|fchmodat|link|linkat|symlink|symlinkat|truncate|ftruncate|execve|clone|clone3|vfork|fork)$/ {
      if (name == "write" || name == "pwrite64") { fd = $2; sub(/^[a-z0-9]+\(/, "", fd); sub(/,.*/, "", fd); if (fd == last) next; last = fd } else last = ""
      print name, count[name]
    }' "$1"
}

passed=0
failed=0
problem() { echo "FAIL $operation: $*"; problems=$((problems + 1)); }

# try_once HOW: runs the operation on a fresh tree with strace's injection HOW, then the check,
# and judges the state; then repeats the operation and compares with the state after.
try_once() {
  local how=$1 status
  fresh_tree
  # The subshell keeps bash's own word on the killed process out of the report.
  status=$( (strace -f -qq -o /dev/null -e "inject=$how" env HOME="$tree/home" "$cli" --program-dir "$tree/korvex" --yes \
     "${OPERATION_ARGS[@]}" > "$work/out" 2> "$work/err" </dev/null; echo $?) 2>/dev/null)
  case "$how" in
    *SIGKILL*) ;;
    *) if [ "$status" -eq 0 ]; then
         snapshot > "$work/now"
         cmp -s "$work/now" "$work/after" || problem "$how: exit 0 without the new state: $(mixed "$work/before" "$work/after" "$work/now")"
       elif [ ! -s "$work/err" ]; then
         problem "$how: exit $status without a message"
       fi ;;
  esac
  korvex --yes check > "$work/check" 2>&1 || problem "$how: check exit $?: $(cat "$work/check")"
  snapshot > "$work/now"
  local wrong; wrong=$(mixed "$work/before" "$work/after" "$work/now")
  [ -z "$wrong" ] || problem "$how: neither old nor new:"$'\n'"$wrong"
  local stray; stray=$(leftovers)
  [ -z "$stray" ] || problem "$how: temporary files left: $stray"
  korvex --yes "${REPEAT_ARGS[@]}" > /dev/null 2>&1 </dev/null
  snapshot > "$work/now"
  cmp -s "$work/now" "$work/after" || problem "$how: the repeated operation did not reach the new state:"$'\n'"$(diff "$work/after" "$work/now" | grep '^[<>]' | head -n 6)"
}

tree=$work/tree
for operation in "${operations[@]}"; do
  # Prepared in place, since quakepath.dat names the game's directory in the tree.
  chmod -R u+w "$tree" 2>/dev/null; rm -rf "$tree" "$work/prepared"
  cp -a "$work/demo" "$tree"
  printf '%s\r\n' "$tree/quake2" | iconv -f UTF-8 -t WINDOWS-1252 > "$tree/korvex/quakepath.dat"
  { prepare_common && if declare -F prepare_"$operation" >/dev/null; then prepare_"$operation"; fi; } > "$work/prepare.log" 2>&1 || { echo "FAIL $operation: preparing: $(cat "$work/prepare.log")"; failed=$((failed + 1)); continue; }
  cp -a "$tree" "$work/prepared"
  operation_"$operation"
  REPEAT_ARGS=("${OPERATION_ARGS[@]}")
  fresh_tree
  snapshot > "$work/before"
  strace -f -qq -y -o "$work/trace" env HOME="$tree/home" "$cli" --program-dir "$tree/korvex" --yes "${OPERATION_ARGS[@]}" > "$work/out" 2>&1 </dev/null ||
    { echo "FAIL $operation: the uninterrupted run failed: $(cat "$work/out")"; failed=$((failed + 1)); continue; }
  snapshot > "$work/after"
  cmp -s "$work/before" "$work/after" && [ "$operation" != launch ] && [ "$operation" != export ] &&
    { echo "FAIL $operation: the uninterrupted run changed nothing"; failed=$((failed + 1)); continue; }
  file_changing_calls "$work/trace" > "$work/calls"
  problems=0 tries=0 index=0
  while read -r syscall n; do
    index=$((index + 1))
    [ $((index % every)) -eq 0 ] || [ "$index" -eq 1 ] || continue
    try_once "$syscall:signal=SIGKILL:when=$n"
    case "$syscall" in
      execve|clone|clone3|vfork|fork) ;;
      fsync|fdatasync) try_once "$syscall:error=EIO:when=$n" ;;
      *) try_once "$syscall:error=ENOSPC:when=$n" ;;
    esac
    tries=$((tries + 1))
  done < "$work/calls"
  if [ "$problems" -eq 0 ]; then
    echo "ok $operation: $(wc -l < "$work/calls") file-changing calls, $tries tried"
    passed=$((passed + 1))
  else
    echo "FAIL $operation: $problems problems in $tries tries of $(wc -l < "$work/calls") calls"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
