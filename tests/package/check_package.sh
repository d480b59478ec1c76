#!/usr/bin/env bash
# Checks the desktop entry, AppStream data and MIME type, then builds the .deb,
# inspects it and installs it into a temporary root where the program must start
# and a case file must be known as its type.
set -euo pipefail
root_dir="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root_dir"

desktop-file-validate data/example.ardelle.Vapentis.desktop
appstreamcli validate --no-net data/example.ardelle.Vapentis.metainfo.xml
xmllint --noout data/example.ardelle.Vapentis.xml

./scripts/package >/dev/null
deb=$(ls -1t build/release/vapentis_*.deb | head -n 1)

fail() { echo "package check: $*" >&2; exit 1; }
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/vapentis ./usr/bin/vapentis-calc \
  ./usr/share/applications/example.ardelle.Vapentis.desktop \
  ./usr/share/metainfo/example.ardelle.Vapentis.metainfo.xml \
  ./usr/share/mime/packages/example.ardelle.Vapentis.xml \
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

# The case file's type, from a database built of the installed XML alone and read
# by GIO as a file manager reads it; with no database the same file is plain text.
case_type=application/x-vapentis-case
desktop="$tmp/usr/share/applications/example.ardelle.Vapentis.desktop"
grep -qx "MimeType=$case_type;" "$desktop" || fail "the desktop entry does not name $case_type"
grep -qx "Exec=vapentis %f" "$desktop" || fail "the desktop entry does not hand vapentis the file"
mkdir "$tmp/home"
# A command that sees only the given data folder, and the installed program on the
# path (GIO skips a desktop entry whose program it cannot find), in English.
only_data() {
  LC_ALL=C.UTF-8 XDG_DATA_HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home" XDG_CONFIG_DIRS="$tmp/home" \
    XDG_DATA_DIRS="$1" GIO_USE_VFS=local PATH="$tmp/usr/bin:$PATH" "${@:2}"
}
mime="$tmp/usr/share/mime"
if ! only_data "$tmp/usr/share" update-mime-database "$mime" 2>"$tmp/mime.log" ||
  [ -s "$tmp/mime.log" ]; then
  cat "$tmp/mime.log" >&2
  fail "update-mime-database refused or warned about the installed XML"
fi
grep -qx "50:$case_type:\*.vapentis" "$mime/globs2" || fail "globs2 lacks *.vapentis"
grep -qx "$case_type:example.ardelle.Vapentis" "$mime/generic-icons" || fail "the type lacks its icon"
for comment in '<comment>Vapentis case</comment>' '<comment xml:lang="zh_CN">Vapentis 算例</comment>'; do
  grep -qF "$comment" "$mime/$case_type.xml" || fail "the type lacks $comment"
done
printf '{}\n' >"$tmp/例.vapentis"
found=$(only_data "$tmp/home" gio info -a standard::content-type "$tmp/例.vapentis")
if grep -qF "$case_type" <<<"$found"; then fail "GIO knew the type without its database"; fi
found=$(only_data "$tmp/usr/share" gio info -a standard::content-type "$tmp/例.vapentis")
grep -qF "standard::content-type: $case_type" <<<"$found" || fail "GIO reads a case file as: $found"
update-desktop-database "$tmp/usr/share/applications"
found=$(only_data "$tmp/usr/share" gio mime "$case_type")
grep -q "^Default application for .*: example.ardelle.Vapentis.desktop" <<<"$found" ||
  fail "GIO opens a case file with: $found"
echo "package check passed: $deb"
