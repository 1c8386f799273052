#!/usr/bin/env bash
# Starts the built program on a headless Wayland compositor and checks that
# its main window appears as a toplevel titled "Mensurex" whose app id names
# the desktop entry, so that Wayland desktops match the window to its entry.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=build/app/Mensurex2
[[ -x $program ]] || { echo "missing $program: build first" >&2; exit 1; }
# shellcheck source=/dev/null  # written by the build
source build/identity.env  # MENSUREX_APP_ID

source scripts/lib/private-wayland.sh
trap stop_private_wayland EXIT
start_private_wayland || { echo "wayland: weston did not start" >&2; exit 1; }

toplevel=$(wayland_toplevel "$program") ||
  { echo "wayland: no toplevel window appeared" >&2; exit 1; }
expected=$(printf 'Mensurex\n%s' "$MENSUREX_APP_ID")
if [[ $toplevel != "$expected" ]]; then
  echo "wayland: toplevel title and app id are:" >&2
  echo "$toplevel" >&2
  exit 1
fi
echo "wayland: toplevel \"Mensurex\" with app id $MENSUREX_APP_ID"
