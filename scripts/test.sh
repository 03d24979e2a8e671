#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Korvex and runs every test.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
