#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window under Xvfb after converting
# 1 kilobyte; with --about, docs/about.png: the About window, by
# tools/about_screenshot. Needs a build (scripts/build.sh), xvfb, xdotool and
# imagemagick.
# Usage: scripts/screenshot.sh [--about] [OUTPUT.png]
#        (QT_SCALE_FACTOR is honoured)
set -euo pipefail
about=0
if [[ ${1:-} == --about ]]; then
  about=1
  shift
fi
default=docs/screenshot.png
[[ $about -eq 1 ]] && default=docs/about.png
output=$(realpath -m "${1:-$default}")
cd "$(dirname "$0")/.."
source scripts/lib/private-x.sh
trap stop_private_x EXIT

start_private_x 1280x1024x24
if [[ $about -eq 1 ]]; then
  cmake --build build --target about_screenshot >/dev/null
  mkdir -p "$(dirname "$output")"
  build/tools/about_screenshot "$output"
  echo "wrote $output"
  exit 0
fi
start_program build/app/Mensurex2
[[ -n $window ]] || { echo "no window named Mensurex appeared" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 50 "1"
xdotool key Return
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
