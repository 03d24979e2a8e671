#!/usr/bin/env bash
# Installs what Korvex needs to build and test (Debian 12), then configures and builds it.
# Sourced by run.sh and test.sh; BUILD_DIR names the build directory, KORVEX_CMAKE_OPTIONS (an
# array) any further configure options.
set -euo pipefail

KORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVEX_CMAKE_OPTIONS=("${KORVEX_CMAKE_OPTIONS[@]}")
BUILD_DIR=${BUILD_DIR:-$KORVEX_ROOT/build}

packages=(g++ make cmake ninja-build ccache pkg-config libgtest-dev qt6-base-dev qt6-qpa-plugins libgl-dev libarchive-dev libxxhash-dev libsdl2-dev
          libbenchmark-dev libarchive-tools strace zip xvfb xauth xdotool x11-utils poppler-utils imagemagick openbox)

source "$KORVEX_ROOT/scripts/packages.sh"
install_packages "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The shared folder (the Quake II engine of the tests) stands beside the checkout unless named.
KORVEX_SHARED_DIR=${KORVEX_SHARED_DIR:-$KORVEX_ROOT/../shared}
cmake -S "$KORVEX_ROOT" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" -DKORVEX_SHARED_DIR="$KORVEX_SHARED_DIR" \
      "${KORVEX_CMAKE_OPTIONS[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
