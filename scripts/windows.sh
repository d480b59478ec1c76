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
# Only what the program and its tests need, print support among it (the sheet is
# printed; Windows' printer backend is part of Qt6PrintSupport itself). Debian's
# source leaves out wintab, so no tablet events; with OpenGL off, Qt 6.4 still wants dynamic GL unless told not to.
QT_WINDOWS_OPTIONS=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_libpng=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_zstd=OFF
)
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-translations-l10n)
# The cross-build of the parts without a window: GoogleTest's sources, and the
# header-only CLI11 and nlohmann-json.
WINDOWS_CORE_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build
  googletest libcli11-dev nlohmann-json3-dev)
# The window's cross-build also runs Debian's Qt tools (moc, rcc) and the picture
# renderer, which draws the pictures' Chinese text in the face they name.
WINDOWS_UI_PACKAGES=(qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
  fontconfig "$PICTURE_FONT_PACKAGE")
# Wine on a virtual display, Wine's own fonts (the frame's buttons, Tahoma; kept
# apart from this machine's fonts), and a Song face standing in for SimSun.
WINE_PACKAGES=(wine wine64 xvfb xauth fontconfig fonts-wine fonts-arphic-uming)
# What the checks of the window's build need beside Wine: the installer, pressing
# and photographing the window, and reading the sheet's PDF and printed PostScript.
WINDOWS_CHECK_PACKAGES=(nsis xdotool imagemagick poppler-utils ghostscript)

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

# The Qt for Windows, built once (see ensure_qt_windows), for the windows-release
# preset.
use_qt_windows() {
  ensure_qt_windows
  VAPENTIS_QT_WINDOWS=$(qt_windows_prefix)
  export VAPENTIS_QT_WINDOWS
}

# Configures and builds one of the Windows presets (arguments after the preset:
# the targets, else all).
build_windows() {
  local preset=$1
  shift
  echo "== Cross-build for Windows: $preset"
  cmake --preset "$preset" -DVAPENTIS_WARNINGS_AS_ERRORS=ON >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

# The version the build gives the programs.
windows_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ROOT/build/windows-release/CMakeCache.txt"
}

# Wine in a prefix of its own under build/, as the Windows presets' tests expect,
# set up once: no menu entries or desktop links on this machine, the shell
# folders inside the prefix, Wine's own fonts in the Windows font folder (Debian's
# Wine does not find them by itself), Chinese fonts under the names Windows has,
# and the font folder of the tests' offscreen platform (Wine hides QT_* variables,
# so it goes into the prefix's environment).
WINE_PREFIX_SETTINGS_VERSION=3
prepare_wine() {
  ensure_packages "${WINE_PACKAGES[@]}"
  export WINEPREFIX="$ROOT/build/wine-prefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  local ready="$WINEPREFIX/.vapentis-settings-$WINE_PREFIX_SETTINGS_VERSION"
  [ -f "$ready" ] && return 0
  echo "== Preparing the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  local folder
  for folder in "$WINEPREFIX/drive_c/users/$(id -un)"/*; do
    if [ -L "$folder" ]; then
      rm "$folder"
      mkdir "$folder"
    fi
  done
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  local song_dir song_face
  song_dir=$(dirname "$(fc-match -f '%{file}' 'AR PL UMing CN')")
  song_face=$(fc-match -f '%{family[0]}' 'AR PL UMing CN')
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Environment]\r\n"QT_QPA_FONTDIR"="%s"\r\n\r\n' \
      "$(winepath -w "$song_dir" | sed 's/\\/\\\\/g')"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local name
    # Qt falls back to these for Chinese in the platform's menu font.
    for name in SimSun 宋体 NSimSun 新宋体 "Microsoft YaHei" 微软雅黑; do
      printf '"%s"="%s"\r\n' "$name" "$song_face"
    done
  } | { printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE; } >"$WINEPREFIX/vapentis-settings.reg"
  wine reg import "$(winepath -w "$WINEPREFIX/vapentis-settings.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$ready"
}

# A virtual X display for Wine: without one, Qt's windows platform waits about
# two minutes at every start.
start_virtual_display() {
  ensure_packages xvfb xauth
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  VIRTUAL_DISPLAY_PID=$!
  local tries=0
  while [ ! -s "$display_file" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null; then
      echo "error: Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
  done
  DISPLAY=":$(cat "$display_file")"
  export DISPLAY
  rm -f "$display_file"
}

# Ends Wine's processes in our prefix, then the virtual display.
stop_virtual_display() {
  if [ -n "${WINEPREFIX:-}" ] && ! timeout 30 wineserver -w 2>/dev/null; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "${VIRTUAL_DISPLAY_PID:-}" ]; then
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    VIRTUAL_DISPLAY_PID=
  fi
}

# Fails unless the program is one executable needing nothing beside it: every
# DLL it imports is part of Windows (winspool.drv, the print spooler's, for printing).
check_stand_alone() {
  local exe=$1 dll imports
  # A program not there, or not one objdump reads, imports nothing: that is no pass.
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p') || return 1
  [ -n "$imports" ] || { echo "error: $exe imports no DLL at all" >&2; return 1; }
  while read -r dll; do
    case "${dll,,}" in
      kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
        oleaut32.dll | comdlg32.dll | imm32.dll | winmm.dll | ws2_32.dll | shlwapi.dll | \
        version.dll | uxtheme.dll | dwmapi.dll | shcore.dll | userenv.dll | netapi32.dll | \
        wtsapi32.dll | authz.dll | d3d9.dll | d3d11.dll | dxgi.dll | dwrite.dll | msvcrt.dll | \
        winspool.drv | api-ms-win-*) ;;
      *)
        echo "error: $exe needs $dll beside it" >&2
        return 1
        ;;
    esac
  done <<<"$imports"
}

# Builds build/windows/: the zip of the two programs and the user notes, and
# the installer.
package_windows() {
  ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_CORE_PACKAGES[@]}" "${WINDOWS_UI_PACKAGES[@]}" \
    nsis
  use_qt_windows
  build_windows windows-release vapentis vapentis-calc vapentis_installer_pictures
  local version out stage
  version=$(windows_version)
  out="$ROOT/build/windows"
  stage="$out/vapentis-$version-win64"
  rm -rf "$stage"
  mkdir -p "$stage"
  # qt_standard_project_setup (src/gui) puts Windows programs in its own folder.
  local program
  for program in src/gui/vapentis.exe cli/vapentis-calc.exe; do
    check_stand_alone "$ROOT/build/windows-release/$program"
    x86_64-w64-mingw32-strip -o "$stage/$(basename "$program")" "$ROOT/build/windows-release/$program"
  done
  # Notepad of every Windows version reads UTF-8 with a byte-order mark and CR LF.
  { printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' \
      "$ROOT/packaging/windows/readme_zh.txt"; } >"$stage/使用说明.txt"

  echo "== Zip and installer"
  local zip="$out/vapentis-$version-win64.zip" setup="$out/vapentis-$version-win64-setup.exe"
  rm -f "$zip" "$setup"
  # UTF-8 names in the zip need a UTF-8 locale here.
  (cd "$out" && LC_ALL=C.UTF-8 cmake -E tar cf "$zip" --format=zip "$(basename "$stage")")
  local app="$ROOT/build/windows-release/src/gui/app"
  makensis -INPUTCHARSET UTF8 -V2 -DVERSION="$version" -DPROGRAMS="$stage" \
    -DICON="$app/vapentis-resources/vapentis.ico" \
    -DWELCOME_BITMAP="$app/installer/installer_welcome.bmp" \
    -DHEADER_BITMAP="$app/installer/installer_header.bmp" \
    -DSIZE_KB="$(du -sk "$stage" | cut -f1)" -DOUTFILE="$setup" \
    "$ROOT/packaging/windows/installer.nsi"
  ls -l "$zip" "$setup"
}
