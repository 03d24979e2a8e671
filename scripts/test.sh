#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Korvex and runs every test.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
# The real Quake II engine of the launch test, built once into the build directory.
engine_dir=$BUILD_DIR/yq2
if [ ! -x "$engine_dir/quake2" ] || [ ! -f "$engine_dir/baseq2/pics/16to8.dat" ]; then
  echo "Building the Quake II engine into $engine_dir"
  sh "$KORVEX_SHARED_DIR/engine/build.sh" "$engine_dir" > "$BUILD_DIR/yq2-build.log" 2>&1 ||
    echo "The Quake II engine could not be built (see $BUILD_DIR/yq2-build.log); its launch test will fail." >&2
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
