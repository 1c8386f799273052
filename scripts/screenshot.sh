#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window under Xvfb after converting
# 1 kilobyte. Needs a build (scripts/build.sh), xvfb, xdotool and imagemagick;
# --dark needs qt6ct.
# Usage: scripts/screenshot.sh [--dark] [--locale LOCALE] [--about ABOUT.png]
#                              [OUTPUT.png]
#   --dark      the qt6ct "darker" colour scheme, as a dark desktop sets it
#   --locale    run under LOCALE (default en_US.UTF-8), e.g. de_DE.UTF-8
#   --about     also shoot the About window into ABOUT.png
# QT_SCALE_FACTOR is honoured.
set -euo pipefail
dark=false
locale=en_US.UTF-8
about_output=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --dark) dark=true ;;
    --locale) locale=$2; shift ;;
    --about) about_output=$(realpath -m "$2"); shift ;;
    *) break ;;
  esac
  shift
done
output=$(realpath -m "${1:-docs/screenshot.png}")
cd "$(dirname "$0")/.."
source scripts/lib/private-x.sh
trap stop_private_x EXIT

start_private_x 1280x1024x24
if $dark; then
  mkdir -p "$work/config/qt6ct"
  cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF
  export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=qt6ct
fi
program_locale=$locale start_program build/app/Mensurex2
[[ -n $window ]] || { echo "no window named Mensurex appeared" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 50 "1"
xdotool key Return
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"

if [[ -n $about_output ]]; then
  # Help > About by the keyboard, in any language: Alt alone selects the
  # menu bar, Right moves to Help, Down opens it, Up wraps to its last item.
  xdotool key --delay 200 alt Right Down Up Return
  about=$(timeout 10 xdotool search --sync --onlyvisible --name 'Tolvane' |
    head -n 1) || true
  [[ -n $about ]] || { echo "no About window appeared" >&2; exit 1; }
  sleep 0.5
  import -window "$about" "$about_output"
  echo "wrote $about_output"
fi
