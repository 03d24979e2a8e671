#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# their own build directory and runs each for SECONDS on its seed corpus:
#   scripts/fuzz.sh SECONDS [TARGET...]
# FUZZ_BUILD_DIR names the build directory (build-fuzz); FUZZ_JOBS targets run at once (1).
# New inputs go to $FUZZ_BUILD_DIR/corpus/<target>, crashes to $FUZZ_BUILD_DIR/crashes/<target>.
set -euo pipefail

seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
KORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-$KORVEX_ROOT/build-fuzz}
FUZZ_JOBS=${FUZZ_JOBS:-1}

# The fuzz build needs clang and its fuzzer runtime on top of what the program needs.
packages=(clang libclang-rt-14-dev cmake ninja-build ccache libgtest-dev libarchive-dev libxxhash-dev)
source "$KORVEX_ROOT/scripts/packages.sh"
install_packages "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$KORVEX_ROOT" -B "$FUZZ_BUILD_DIR" -G Ninja "${launcher[@]}" -DKORVEX_FUZZ=ON \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 10 cmake --build "$FUZZ_BUILD_DIR" -j "$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
  for dir in "$KORVEX_ROOT"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

# The targets write their files to a directory of their own; a memory file system spares the
# disk the flush of every file written.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

run_target() {
  local target=$1 corpus=$FUZZ_BUILD_DIR/corpus/$1 crashes=$FUZZ_BUILD_DIR/crashes/$1
  mkdir -p "$corpus" "$crashes"
  local start=$SECONDS
  nice -n 10 "$FUZZ_BUILD_DIR/fuzz/fuzz_$target" "$corpus" "$KORVEX_ROOT/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$crashes/" -print_final_stats=1 > "$FUZZ_BUILD_DIR/$target.log" 2>&1 || true
  echo $((SECONDS - start)) > "$FUZZ_BUILD_DIR/$target.seconds"
}

running=0
for target in "${targets[@]}"; do
  run_target "$target" &
  running=$((running + 1))
  if ((running >= FUZZ_JOBS)); then wait -n || true; running=$((running - 1)); fi
done
wait

status=0
printf '%-20s %12s %8s  %s\n' target executions seconds crashes
for target in "${targets[@]}"; do
  log=$FUZZ_BUILD_DIR/$target.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  time=$(cat "$FUZZ_BUILD_DIR/$target.seconds" 2>/dev/null || true)
  crashes=$(find "$FUZZ_BUILD_DIR/crashes/$target" -type f | sort | tr '\n' ' ')
  printf '%-20s %12s %8s  %s\n' "$target" "${runs:-?}" "${time:-?}" "${crashes:-none}"
  [ -z "$crashes" ] || status=1
done
exit $status
