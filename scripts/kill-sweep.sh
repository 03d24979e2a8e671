#!/usr/bin/env bash
# The whole kill sweep: korvex-cli killed at every file-changing system call of every writing
# operation, and given ENOSPC or EIO there (tests/crash/kill_sweep.sh says what is checked).
#   scripts/kill-sweep.sh [OPERATION...]      on the build in BUILD_DIR (build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"
exec bash "$root/tests/crash/kill_sweep.sh" "$BUILD_DIR" "$root/scripts/lay-out-demo.sh" "$@"
