#!/usr/bin/env bash
# Builds Korvex and runs its benchmarks (bench/): every scenario against its baseline on the same
# generated data, five repetitions each; the summary table of medians goes to standard output
# and to $BUILD_DIR/bench-summary.md. Further arguments go to Google Benchmark
# (e.g. --benchmark_filter=scan).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
"$BUILD_DIR/bench/korvex-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_color=false "$@" | tee "$BUILD_DIR/bench-output.txt"
sed -n '/^| scenario/,$p' "$BUILD_DIR/bench-output.txt" > "$BUILD_DIR/bench-summary.md"
