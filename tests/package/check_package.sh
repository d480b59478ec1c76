#!/usr/bin/env bash
# Checks the desktop entry and AppStream data, then builds the .deb, inspects
# it and installs it into a temporary root where the program must start.
set -euo pipefail
root_dir="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root_dir"

desktop-file-validate data/example.ardelle.Vapentis.desktop
appstreamcli validate --no-net data/example.ardelle.Vapentis.metainfo.xml

./scripts/package >/dev/null
deb=$(ls -1t build/release/vapentis_*.deb | head -n 1)

fail() { echo "package check: $*" >&2; exit 1; }
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/vapentis ./usr/bin/vapentis-calc \
  ./usr/share/applications/example.ardelle.Vapentis.desktop \
  ./usr/share/metainfo/example.ardelle.Vapentis.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/example.ardelle.Vapentis.svg \
  ./usr/share/icons/hicolor/48x48/apps/example.ardelle.Vapentis.png; do
  grep -q " $path\$" <<<"$contents" || fail "missing $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6 libc6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q "fonts-" <<<"$recommends" || fail "no CJK font recommended"
grep -q "fonts-wqy-microhei" <<<"$recommends" || fail "the pictures' CJK face is not recommended"
grep -q "qt6-translations-l10n" <<<"$recommends" || fail "Qt's Chinese texts not recommended"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/var/lib/dpkg/updates" "$tmp/var/lib/dpkg/info"
touch "$tmp/var/lib/dpkg/status"
dpkg --root="$tmp" --force-depends --force-not-root --force-script-chrootless \
  --log=/dev/null -i "$deb" >"$tmp/dpkg.log" 2>&1 || { cat "$tmp/dpkg.log" >&2; fail "dpkg -i failed"; }
dpkg --root="$tmp" -s vapentis | grep -q "Status: install ok installed" || fail "not installed"
file "$tmp/usr/share/icons/hicolor/48x48/apps/example.ardelle.Vapentis.png" | grep -q "48 x 48" \
  || fail "raster icon is not 48 x 48"
version=$(QT_QPA_PLATFORM=offscreen "$tmp/usr/bin/vapentis" --version)
grep -q "Vapentis 2.0" <<<"$version" || fail "installed program says: $version"
calc=$("$tmp/usr/bin/vapentis-calc" sizing) || fail "installed vapentis-calc failed"
built=$(build/release/cli/vapentis-calc sizing)
[ "$calc" = "$built" ] || fail "installed vapentis-calc says: $calc, the built one: $built"
echo "package check passed: $deb"
