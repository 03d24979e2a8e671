#!/usr/bin/env bash
# Builds the Debian package korvex_<version>_<arch>.deb: both programs, the delivered data, the
# desktop entry, icons, AppStream metainfo and manual pages.
#   scripts/package.sh                      sets up and builds Korvex as run.sh does, then packs
#                                           BUILD_DIR/korvex_<version>_<arch>.deb
#   scripts/package.sh --built BUILD_DIR OUTDIR
#                                           packs an existing build into OUTDIR (the package's test)
# Prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
if [ "${1:-}" = "--built" ]; then
  [ $# -eq 3 ] || { echo "usage: scripts/package.sh [--built BUILD_DIR OUTDIR]" >&2; exit 2; }
  build_dir=$2
  out_dir=$3
else
  [ $# -eq 0 ] || { echo "usage: scripts/package.sh [--built BUILD_DIR OUTDIR]" >&2; exit 2; }
  source "$root/scripts/setup.sh"
  build_dir=$BUILD_DIR
  out_dir=$BUILD_DIR
fi
install_packages "${packaging_packages[@]}"
cmake --build "$build_dir" --target korvex_package_files >/dev/null
mkdir -p "$out_dir"
# CPack stages the installation below OUTDIR, so that packing never touches the build's own files.
cpack --config "$build_dir/CPackConfig.cmake" -B "$out_dir" >"$out_dir/cpack.log" 2>&1 ||
  { cat "$out_dir/cpack.log" >&2; exit 1; }
rm -rf "$out_dir/_CPack_Packages"
ls "$out_dir"/korvex_*.deb
