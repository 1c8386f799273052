#!/usr/bin/env bash
# Installs the built program into a scratch root and checks that every file a
# desktop needs is in its standard place and passes its format's validator.
set -euo pipefail
cd "$(dirname "$0")/../.."

[[ -s build/identity.env ]] || { echo "no build/identity.env: build first" >&2; exit 1; }
# shellcheck source=/dev/null  # written by the build
source build/identity.env  # MENSUREX_APP_ID, MENSUREX_VERSION
id=$MENSUREX_APP_ID
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
need share/bash-completion/completions/mensurex
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
need "share/icons/hicolor/scalable/apps/$id.svg"
need share/man/man1/Mensurex2.1
# The window's print helper, where the window looks for it.
need libexec/mensurex2-print
# Every size is drawn from the SVG; at 32 x 32 that drawing is the window's
# own icon, so the two pictures cannot drift apart unnoticed.
source_icon=ui/shared/icon/mensurex.xpm
png32="$root/usr/share/icons/hicolor/32x32/apps/$id.png"
if [[ -s "$png32" ]]; then
  differing=$(compare -metric AE "$source_icon" "$png32" null: 2>&1) || true
  if ! [[ $differing =~ ^[0-9]+$ && $differing -le 8 ]]; then
    echo "the 32 x 32 theme icon differs from $source_icon ($differing pixels)" >&2
    fail=1
  fi
fi
[[ -x "$root/usr/bin/Mensurex2" ]] || { echo "Mensurex2 is not executable" >&2; fail=1; }
if [[ $("$root/usr/bin/mensurex" --to B 1 KB 2>&1) != 1024 ]]; then
  echo "the installed mensurex does not convert" >&2
  fail=1
fi
if ! out=$(mandoc -T lint -W warning "$root/usr/share/man/man1/mensurex.1" 2>&1) || [[ -n $out ]]; then
  echo "$out" >&2
  fail=1
fi
# The search provider: its program, D-Bus service file and the two desktops'
# descriptions, all naming the same bus name, object paths and window.
need libexec/mensurex2-search-provider
service="share/dbus-1/services/$id.SearchProvider.service"
ini="share/gnome-shell/search-providers/$id.search-provider.ini"
runner="share/krunner/dbusplugins/$id.desktop"
need "$service"
need "$ini"
need "$runner"
if [[ $fail -eq 0 ]] && ! {
  grep -qx "Name=$id.SearchProvider" "$root/usr/$service" &&
    grep -qx "Exec=/usr/libexec/mensurex2-search-provider" "$root/usr/$service" &&
    grep -qx "DesktopId=$id.desktop" "$root/usr/$ini" &&
    grep -qx "BusName=$id.SearchProvider" "$root/usr/$ini" &&
    grep -qx "X-Plasma-DBusRunner-Service=$id.SearchProvider" "$root/usr/$runner" &&
    grep -qx "X-Plasma-API=DBus" "$root/usr/$runner"
}; then
  echo "the search provider's service file, .ini and KRunner entry disagree" >&2
  fail=1
fi
[[ $fail -eq 0 ]] || exit 1

desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop"
# Named by its full path, so that the entry (and GNOME Shell's search
# provider, which names the entry) works outside PATH too; D-Bus starts the
# window at an amount through its service of the same name.
grep -qx 'Exec=/usr/bin/Mensurex2' "$desktop" || { echo "desktop entry: wrong Exec" >&2; exit 1; }
window_service="$root/usr/share/dbus-1/services/$id.service"
if ! grep -qx "Name=$id" "$window_service" ||
   ! grep -qx 'Exec=/usr/bin/Mensurex2' "$window_service"; then
  echo "the window's D-Bus service is wrong or missing" >&2
  exit 1
fi
grep -qx "Icon=$id" "$desktop" || { echo "desktop entry: wrong Icon" >&2; exit 1; }

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  echo "$out" >&2
  exit 1
fi
grep -q "<release version=\"$MENSUREX_VERSION\"" "$metainfo" ||
  { echo "metainfo: release $MENSUREX_VERSION missing" >&2; exit 1; }

# Every language of translations/LANGUAGES has every text of the menu
# entry and of the AppStream page: one left out would show in English.
texts=$(grep -cE '<(name|summary|p|caption)>' "$metainfo")
while read -r language _; do
  [[ -z $language || $language == \#* ]] && continue
  for key in Name GenericName Comment Keywords; do
    grep -q "^${key}\[${language}\]=" "$desktop" ||
      { echo "desktop entry: no ${key}[${language}]" >&2; exit 1; }
  done
  # KRunner's plugin entry shows the menu entry's name and comment.
  for key in Name Comment; do
    [[ $(grep "^${key}\[${language}\]=" "$root/usr/$runner") == \
       "$(grep "^${key}\[${language}\]=" "$desktop")" ]] ||
      { echo "KRunner entry: ${key}[${language}] differs from the menu's" >&2; exit 1; }
  done
  translated=$(grep -c "xml:lang=\"$language\"" "$metainfo" || true)
  [[ $translated -eq $texts ]] ||
    { echo "metainfo: $translated of $texts texts in $language" >&2; exit 1; }
done <translations/LANGUAGES

# The manual page renders without a warning from either formatter.
man="$root/usr/share/man/man1/Mensurex2.1"
if ! out=$({ mandoc -T lint -W warning "$man" && groff -ww -z -man "$man"; } 2>&1) ||
   [[ -n $out ]]; then
  echo "manual page: $out" >&2
  exit 1
fi
echo "install: all files present and valid, the search provider's included"
