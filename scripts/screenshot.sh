#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window under Xvfb after converting
# 1 kilobyte. Needs a build (scripts/build.sh), xvfb, xdotool and imagemagick.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (QT_SCALE_FACTOR is honoured)
set -euo pipefail
output=$(realpath -m "${1:-docs/screenshot.png}")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp \
  >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$display_fd" display_number
export DISPLAY=":$display_number" XDG_RUNTIME_DIR="$work"

LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 build/app/Mensurex2 >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Mensurex$' |
  head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 50 "1"
xdotool key Return
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
