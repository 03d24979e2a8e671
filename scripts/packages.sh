# Installs those of the named Debian packages that are missing (sourced by setup.sh and fuzz.sh).
install_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What building the Debian package and checking it need besides the build (scripts/package.sh
# and the package's test, run by scripts/test.sh).
packaging_packages=(dpkg-dev lintian desktop-file-utils appstream librsvg2-bin)
