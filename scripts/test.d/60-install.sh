#!/usr/bin/env bash
# Installs the built program into a scratch root and checks that every file a
# desktop needs is in its standard place and passes its format's validator.
set -euo pipefail
cd "$(dirname "$0")/../.."

id=org.example.Mensurex2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install build --prefix /usr >/dev/null

fail=0
need() {
  if [[ ! -s "$root/usr/$1" ]]; then
    echo "missing after install: /usr/$1" >&2
    fail=1
  fi
}
need bin/Mensurex2
need bin/mensurex
need share/man/man1/mensurex.1
need "share/applications/$id.desktop"
need "share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
  png="share/icons/hicolor/${size}x${size}/apps/$id.png"
  need "$png"
  if [[ -s "$root/usr/$png" ]] &&
     ! file -b "$root/usr/$png" | grep -q "PNG image data, $size x $size,"; then
    echo "not a $size x $size PNG: /usr/$png" >&2
    fail=1
  fi
done
# The sizes are pixel art scaled from the program's own picture: the 32 x 32
# icon is that picture unchanged, and no size has colours of its own (smooth
# scaling would blend new ones in).
source_icon=ui/shared/icon/mensurex.xpm
icons="$root/usr/share/icons/hicolor"
if [[ -s "$icons/32x32/apps/$id.png" ]] &&
   [[ $(compare -metric AE "$source_icon" "$icons/32x32/apps/$id.png" null: 2>&1) != 0 ]]; then
  echo "the 32 x 32 icon differs from $source_icon" >&2
  fail=1
fi
source_colours=$(identify -format '%k' "$source_icon")
for png in "$icons"/*/apps/"$id.png"; do
  [[ -s "$png" ]] || continue
  if [[ $(identify -format '%k' "$png") -gt $source_colours ]]; then
    echo "blended colours in ${png#"$root"}" >&2
    fail=1
  fi
done
[[ -x "$root/usr/bin/Mensurex2" ]] || { echo "Mensurex2 is not executable" >&2; fail=1; }
if [[ $("$root/usr/bin/mensurex" --to B 1 KB 2>&1) != 1024 ]]; then
  echo "the installed mensurex does not convert" >&2
  fail=1
fi
if ! out=$(mandoc -T lint -W warning "$root/usr/share/man/man1/mensurex.1" 2>&1) || [[ -n $out ]]; then
  echo "$out" >&2
  fail=1
fi
[[ $fail -eq 0 ]] || exit 1

desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop"
grep -qx 'Exec=Mensurex2' "$desktop" || { echo "desktop entry: wrong Exec" >&2; exit 1; }
grep -qx "Icon=$id" "$desktop" || { echo "desktop entry: wrong Icon" >&2; exit 1; }

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  echo "$out" >&2
  exit 1
fi
# The release must carry the project's version, whatever CMake says it is.
version=$(sed -n 's/^project(Mensurex2 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
grep -q "<release version=\"$version\"" "$metainfo" ||
  { echo "metainfo: release $version missing" >&2; exit 1; }
echo "install: all files present and valid"
