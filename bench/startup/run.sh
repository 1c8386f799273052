#!/usr/bin/env bash
# Start-up benchmark: time from starting Mensurex2 until its main window is
# mapped on an Xvfb server, and its peak resident memory, against a minimal
# Qt Widgets program that shows one empty window. Prints the medians of RUNS
# runs of each (alternating, after one warm-up run each) and their ratios.
# Targets: both ratios at most 1.2.
#
# Usage: bench/startup/run.sh [RUNS]   (default 10; needs a built build/)
# Time resolution: the watcher waits for the X server's MapNotify event and
# reads the monotonic clock, so readings are good to well under 1 ms.
# Memory: VmHWM of the process SETTLE_MS after its window is mapped.
# CPU to window: CPU time of all the program's threads when the window maps,
# a steadier figure than wall time on a busy machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-10}
settle_ms=${SETTLE_MS:-500}
build=${BUILD_DIR:-build}
app=$build/app/Mensurex2
minimal=$build/bench/startup/minimal_widget
watch=$build/bench/startup/map_watch
for f in "$app" "$minimal" "$watch"; do
  [[ -x "$f" ]] || { echo "missing $f: run scripts/build.sh first" >&2; exit 1; }
done

# A private X server for the whole run; -noreset keeps it from resetting
# between the measured programs.
source scripts/lib/private-x.sh
trap stop_private_x EXIT
start_private_x 1280x1024x24 -noreset || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb

measure() {  # program title [arg] -> "ms kB cpu-ms"
  "$watch" "$2" "$settle_ms" "$1" "${@:3}"
}
median() { sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$app" Mensurex >/dev/null
measure "$minimal" Minimal >/dev/null
measure "$minimal" Minimal --caption >/dev/null
app_t=() app_m=() app_c=() min_t=() min_m=() min_c=() cap_t=() cap_m=() cap_c=()
for ((i = 0; i < runs; i++)); do
  read -r t m c < <(measure "$app" Mensurex)
  app_t+=("$t") app_m+=("$m") app_c+=("$c")
  read -r t m c < <(measure "$minimal" Minimal)
  min_t+=("$t") min_m+=("$m") min_c+=("$c")
  read -r t m c < <(measure "$minimal" Minimal --caption)
  cap_t+=("$t") cap_m+=("$m") cap_c+=("$c")
done

at=$(printf '%s\n' "${app_t[@]}" | median)
am=$(printf '%s\n' "${app_m[@]}" | median)
mt=$(printf '%s\n' "${min_t[@]}" | median)
mm=$(printf '%s\n' "${min_m[@]}" | median)
ac=$(printf '%s\n' "${app_c[@]}" | median)
mc=$(printf '%s\n' "${min_c[@]}" | median)
ct=$(printf '%s\n' "${cap_t[@]}" | median)
cm=$(printf '%s\n' "${cap_m[@]}" | median)
cc=$(printf '%s\n' "${cap_c[@]}" | median)
awk -v at="$at" -v am="$am" -v ac="$ac" -v mt="$mt" -v mm="$mm" -v mc="$mc" \
    -v ct="$ct" -v cm="$cm" -v cc="$cc" -v n="$runs" 'BEGIN {
  printf "medians of %d runs        time to window   peak RSS    CPU to window\n", n
  printf "  Mensurex2              %10.1f ms  %8d kB  %10.1f ms\n", at, am, ac
  printf "  minimal Qt window      %10.1f ms  %8d kB  %10.1f ms\n", mt, mm, mc
  printf "  ratio (target <= 1.2)  %10.2f     %11.2f  %10.2f\n", at / mt, am / mm, ac / mc
  printf "for reference, the minimal window with one line of text:\n"
  printf "  minimal + caption      %10.1f ms  %8d kB  %10.1f ms\n", ct, cm, cc
  printf "  Mensurex2 ratio to it  %10.2f     %11.2f  %10.2f\n", at / ct, am / cm, ac / cc
}'
