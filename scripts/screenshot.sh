#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window under Xvfb after converting
# 1 kilobyte. Needs a build (scripts/build.sh), xvfb, xdotool and imagemagick.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (QT_SCALE_FACTOR is honoured)
set -euo pipefail
output=$(realpath -m "${1:-docs/screenshot.png}")
cd "$(dirname "$0")/.."
source scripts/lib/private-x.sh
trap stop_private_x EXIT

start_private_x 1280x1024x24
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
