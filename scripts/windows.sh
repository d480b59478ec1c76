# Shared by the Windows scripts: Debian's MinGW-w64 toolchain, Wine, and a static
# Qt for Windows built once from Debian's source packages and cached.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

QT_WINDOWS_VERSION=6.4.2
# Source packages, in build order. Only qtbase: the Windows program shows its
# pictures from pixels rendered at build time and draws no SVG at run time, and
# Qt's Chinese texts come from Debian's translation files, which are the same on
# every platform.
QT_WINDOWS_MODULES=(qt6-base)
# Only what the program and its tests need. Debian's source leaves out wintab, so
# no tablet events; with OpenGL off, Qt 6.4 still wants dynamic GL unless told not to.
QT_WINDOWS_OPTIONS=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_libpng=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_zstd=OFF
)
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-translations-l10n)
WINE_PACKAGES=(wine wine64 xvfb xauth fonts-wqy-microhei)

CACHE_ROOT="${XDG_CACHE_HOME:-$HOME/.cache}/vapentis"

# The cache key: Qt version, modules, configure options and the toolchain file.
qt_windows_key() {
  { echo "$QT_WINDOWS_VERSION ${QT_WINDOWS_MODULES[*]} ${QT_WINDOWS_OPTIONS[*]}"
    cat "$ROOT/cmake/mingw-w64-x86_64.cmake"; } | sha256sum | cut -c1-12
}

qt_windows_prefix() {
  echo "$CACHE_ROOT/qt-$QT_WINDOWS_VERSION-mingw64-static-$(qt_windows_key)"
}

# Source packages come from the machine's own Debian archive: each deb entry gets
# a deb-src twin, derived at run time, so no host name is written anywhere here.
ensure_deb_src() {
  if apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'; then return 0; fi
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] || continue
    grep -qE '^Types:.*\bdeb\b' "$file" || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$file" |
      "${sudo[@]}" tee "/etc/apt/sources.list.d/vapentis-src-$(basename "$file")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list |
      "${sudo[@]}" tee /etc/apt/sources.list.d/vapentis-src.list >/dev/null
  fi
  echo "== Added Debian source entries; updating the package lists"
  "${sudo[@]}" apt-get update -qq
}

# Builds the static Qt for Windows into the cache unless it is there already.
ensure_qt_windows() {
  local prefix
  prefix=$(qt_windows_prefix)
  if [ -f "$prefix/.complete" ]; then
    echo "== Qt $QT_WINDOWS_VERSION for Windows: cached in $prefix"
    return 0
  fi
  ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
  ensure_deb_src
  local work="$CACHE_ROOT/qt-work-$(qt_windows_key)"
  mkdir -p "$work"
  echo "== Building Qt $QT_WINDOWS_VERSION for Windows into $prefix"
  echo "   The first run is long (about half an hour on 2 cores); later runs reuse it."
  local module src
  for module in "${QT_WINDOWS_MODULES[@]}"; do
    src="$work/src-$module"
    if [ ! -f "$src/CMakeLists.txt" ]; then
      echo "== Fetching the Debian source of $module"
      rm -rf "$src" "$work/dl-$module"
      mkdir -p "$work/dl-$module"
      (cd "$work/dl-$module" &&
        apt-get source --download-only -qq "$module=$(native_version "$module")" &&
        dpkg-source --no-check -x ./*.dsc "$src" >/dev/null)
    fi
    echo "== Configure $module"
    rm -rf "$work/build-$module"
    mkdir -p "$work/build-$module"
    if [ "$module" = qt6-base ]; then
      cmake -S "$src" -B "$work/build-$module" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${QT_WINDOWS_OPTIONS[@]}"
    else
      (cd "$work/build-$module" && "$prefix/bin/qt-configure-module" "$src")
    fi
    echo "== Build $module (progress as [step/total])"
    cmake --build "$work/build-$module" -j"$(nproc)"
    cmake --install "$work/build-$module"
  done
  touch "$prefix/.complete"
  echo "== Qt for Windows ready in $prefix"
}

# The version of the native Qt package built from a source package, so the host
# tools and the Windows libraries are the same release.
native_version() {
  local dev=${1}-dev
  dpkg-query -W -f='${Version}' "$dev"
}
