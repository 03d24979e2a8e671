#!/usr/bin/env bash
# Sets everything up, builds Korvex and starts it.
#   scripts/run.sh                  start the program directory build/bin (searches for Quake II)
#   scripts/run.sh --demo           start the demo program directory with the sample Quake II tree,
#                                   laid out on the first use and kept as you leave it
#   scripts/run.sh --demo --fresh   throw the demo away and start on a newly laid out one
set -euo pipefail
source "$(dirname "$0")/setup.sh"

program_dir=$BUILD_DIR/bin
if [ "${1:-}" = "--demo" ]; then
  demo=$KORVEX_ROOT/demo
  bash "$KORVEX_ROOT/scripts/lay-out-demo.sh" "$BUILD_DIR" "$demo" "${2:-}"
  program_dir=$demo/korvex
  echo "Demo program directory: $program_dir (sample Quake II: $demo/quake2)"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: Korvex needs a desktop session (or run it under xvfb-run)." >&2
  exit 1
fi
exec "$program_dir/korvex"
