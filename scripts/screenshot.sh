#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window under Xvfb after converting
# 1 kilobyte; with --about, docs/about.png: the About window, by
# tools/about_screenshot. Needs a build (scripts/build.sh), xvfb, xdotool and
# imagemagick; --dark needs qt6ct.
# Usage: scripts/screenshot.sh [--dark] [--locale LOCALE] [--about] [OUTPUT.png]
#   --dark      the qt6ct "darker" colour scheme, as a dark desktop sets it
#   --locale    run under LOCALE (default en_US.UTF-8), e.g. de_DE.UTF-8
# QT_SCALE_FACTOR is honoured.
set -euo pipefail
about=0
dark=0
locale=en_US.UTF-8
while [[ $# -gt 0 ]]; do
  case $1 in
    --about) about=1 ;;
    --dark) dark=1 ;;
    --locale) locale=$2; shift ;;
    *) break ;;
  esac
  shift
done
default=docs/screenshot.png
[[ $about -eq 1 ]] && default=docs/about.png
output=$(realpath -m "${1:-$default}")
cd "$(dirname "$0")/.."
source scripts/lib/private-x.sh
trap stop_private_x EXIT

start_private_x 1280x1024x24
if [[ $dark -eq 1 ]]; then
  mkdir -p "$work/config/qt6ct"
  cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF
  export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=qt6ct
fi
if [[ $about -eq 1 ]]; then
  cmake --build build --target about_screenshot >/dev/null
  mkdir -p "$(dirname "$output")"
  LC_ALL=$locale LANG=$locale LANGUAGE="" build/tools/about_screenshot "$output"
  echo "wrote $output"
  exit 0
fi
program_locale=$locale start_program build/app/Mensurex2
[[ -n $window ]] || { echo "no window named Mensurex appeared" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 50 "1"
xdotool key Return
# The entry's caret blinks, shown for half a second after the last key and
# hidden for the next half: the picture is taken in the middle of that.
sleep 0.75
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
