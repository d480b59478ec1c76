# Shared by the entry scripts: installing missing Debian packages and building.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive

# Packages every build needs: compiler, build tools, Qt, GoogleTest, a CJK font.
BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-svg-dev
  libqt6svg6 fonts-arphic-uming fontconfig)

# Installs those of the given Debian packages that are missing.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "error: these packages are missing: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ${missing[*]}), or run this script as root." >&2
      exit 1
    fi
  fi
  echo "== Installing ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures, builds and tests one preset.
build_and_test() {
  local preset=$1
  shift
  echo "== Build and test: $preset"
  cmake --preset "$preset" -DVAPENTIS_WARNINGS_AS_ERRORS=ON "$@"
  cmake --build --preset "$preset"
  ctest --preset "$preset" --output-on-failure
}
