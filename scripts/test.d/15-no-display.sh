#!/usr/bin/env bash
# The program started where it can open no display (none named, a dead X
# display, Wayland without a compositor) says so in one line on standard error
# and ends with status 1: no abort, no core.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=build/app/Mensurex2
[[ -x $program ]] || { echo "missing $program: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

# A display number that no X server holds.
dead=90
while [[ -e /tmp/.X$dead-lock || -e /tmp/.X11-unix/X$dead ]]; do
  dead=$((dead + 1))
done

failed=0
expect_no_display() {
  local name=$1
  shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_RUNTIME_DIR="$work" "$@" timeout 30 "$program" \
    >"$work/out" 2>"$work/err" || status=$?
  local lines
  lines=$(wc -l <"$work/err")
  if [[ $status -ne 1 || $lines -ne 1 ]] ||
    ! grep -q '^Mensurex2: cannot open a display: .' "$work/err"; then
    echo "no-display ($name): status $status, standard error:" >&2
    cat "$work/err" >&2
    failed=1
  fi
}

expect_no_display "no DISPLAY"
expect_no_display "dead DISPLAY" DISPLAY=":$dead"
expect_no_display "Wayland without compositor" QT_QPA_PLATFORM=wayland \
  WAYLAND_DISPLAY=wayland-none
exit "$failed"
