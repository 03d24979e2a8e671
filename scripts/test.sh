#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Korvex and runs every test.
#   scripts/test.sh              the plain build in BUILD_DIR (build/)
#   scripts/test.sh --sanitize   everything built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer in BUILD_DIR-sanitize (build-sanitize/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=false
case "${1:-}" in
  "") ;;
  --sanitize) sanitize=true ;;
  *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
esac
KORVEX_CMAKE_OPTIONS=(-DKORVEX_SANITIZE=OFF)
if $sanitize; then
  BUILD_DIR=${BUILD_DIR:-$root/build}-sanitize
  KORVEX_CMAKE_OPTIONS=(-DKORVEX_SANITIZE=ON)
fi
source "$root/scripts/setup.sh"
# The package's test builds the Debian package and checks it with the packaging tools.
install_packages "${packaging_packages[@]}"
# The real Quake II engine of the launch test, built once into the build directory.
engine_dir=$BUILD_DIR/yq2
if [ ! -x "$engine_dir/quake2" ] || [ ! -f "$engine_dir/baseq2/pics/16to8.dat" ]; then
  echo "Building the Quake II engine into $engine_dir"
  sh "$KORVEX_SHARED_DIR/engine/build.sh" "$engine_dir" > "$BUILD_DIR/yq2-build.log" 2>&1 ||
    echo "The Quake II engine could not be built (see $BUILD_DIR/yq2-build.log); its launch test will fail." >&2
fi
if ! $sanitize; then
  exec ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
fi
# Every sanitized program writes its reports into one folder, also those whose exit status
# nobody checks (the stand-in game started by korvex); any report there fails the run.
reports=$BUILD_DIR/sanitizer-reports
rm -rf "$reports" && mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0"
status=0
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" || status=$?
if compgen -G "$reports/*" >/dev/null; then
  for report in "$reports"/*; do echo "== $report"; cat "$report"; done
  echo "The sanitizers reported faults (above; kept in $reports)." >&2
  status=1
fi
exit $status
