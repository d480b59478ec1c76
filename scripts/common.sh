# Shared by the entry scripts: installing missing Debian packages and building.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive

# The CJK face the pictures name for their Chinese text; the build-time renderer
# refuses to draw them in any other. WenQuanYi Micro Hei: about 5 MB installed,
# where fonts-noto-cjk takes about 90 MB.
PICTURE_FONT_PACKAGE=fonts-wqy-microhei

# Packages every build needs: compiler, build tools, Qt, GoogleTest, the window's
# CJK font and the pictures' one, CLI11 and nlohmann-json for vapentis-calc, and
# poppler-utils, with which the tests read the calculation sheet's PDF back.
BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libqt6svg6 fonts-arphic-uming "$PICTURE_FONT_PACKAGE" fontconfig libcli11-dev nlohmann-json3-dev
  poppler-utils)

# What the window alone needs to build and to look right: compiler, build tools,
# Qt with its SVG module and Chinese texts, and the CJK fonts.
PROGRAM_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n
  fonts-arphic-uming "$PICTURE_FONT_PACKAGE" fontconfig)
# Debian's own Python, which sees the python3-* packages apt installs; a python3
# found earlier on PATH (pyenv's, say) may not.
DEBIAN_PYTHON=/usr/bin/python3
# What the check of the declared accuracy ranges needs: IAPWS-IF97 for Python.
ACCURACY_PACKAGES=(python3 python3-iapws)

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

FUZZ_TARGETS=(fuzz_parse_number fuzz_number_text fuzz_calculations fuzz_if97 fuzz_sheet fuzz_batch_line
  fuzz_case)

# Builds the libFuzzer targets with clang into build/fuzz (core and command line, no window).
build_fuzz() {
  ensure_packages clang libclang-rt-14-dev cmake ninja-build libcli11-dev nlohmann-json3-dev
  echo "== Build the fuzz targets"
  cmake -S "$ROOT" -B "$ROOT/build/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAPENTIS_BUILD_FUZZ=ON -DVAPENTIS_BUILD_UI=OFF \
    -DVAPENTIS_BUILD_CLI=ON \
    -DVAPENTIS_BUILD_TESTS=OFF -DVAPENTIS_WARNINGS_AS_ERRORS=ON
  cmake --build "$ROOT/build/fuzz" -j2
}

# Runs one fuzz target from its seeds, with its dictionary if it has one; new inputs go
# to build/fuzz, never to the seeds. Arguments after the target are libFuzzer options.
run_fuzz() {
  local target=$1
  shift
  local work="$ROOT/build/fuzz/corpus/$target" artifacts="$ROOT/build/fuzz/artifacts/$target/"
  local dict=()
  [ -f "$ROOT/fuzz/$target.dict" ] && dict=(-dict="$ROOT/fuzz/$target.dict")
  mkdir -p "$work" "$artifacts"
  "$ROOT/build/fuzz/fuzz/$target" -artifact_prefix="$artifacts" -print_final_stats=1 "${dict[@]}" \
    "$@" "$work" "$ROOT/fuzz/corpus/$target"
}

# A short bounded run of each fuzz target: a fixed number of inputs, seconds not minutes.
fuzz_smoke() {
  build_fuzz
  local target log
  for target in "${FUZZ_TARGETS[@]}"; do
    echo "== Fuzz smoke run: $target"
    log="$ROOT/build/fuzz/$target.smoke.log"
    if ! run_fuzz "$target" -runs=20000 -seed=1 >"$log" 2>&1; then
      tail -n 40 "$log" >&2
      echo "error: $target failed; the input is in build/fuzz/artifacts/$target/" >&2
      return 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log"
  done
}
