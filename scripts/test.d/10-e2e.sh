#!/usr/bin/env bash
# End-to-end check of the real program under Xvfb with real X input: the
# title bar reads "Mensurex", the window has its icon, an entry typed and confirmed with Enter is
# converted, a result box's text reaches the clipboard, a number pasted from
# the clipboard with its line break is converted, and Alt+C ends the program. Needs xvfb, xauth, xdotool, xclip and x11-utils.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=build/app/Mensurex2
[[ -x $program ]] || { echo "missing $program: build first" >&2; exit 1; }

source scripts/lib/private-x.sh
trap stop_private_x EXIT

fail() {
  echo "e2e: $*" >&2
  exit 1
}

start_private_x 800x600x24 || fail "Xvfb did not start"
start_program "$program"
[[ -n $window ]] || fail "no window named Mensurex appeared"

title=$(xdotool getwindowname "$window")
[[ $title == "Mensurex" ]] || fail "title bar reads '$title'"
wm_name=$(xprop -id "$window" WM_NAME)
[[ $wm_name == 'WM_NAME(STRING) = "Mensurex"' ||
  $wm_name == 'WM_NAME(UTF8_STRING) = "Mensurex"' ]] ||
  fail "unexpected $wm_name"

xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' ||
  fail "the window carries no 32 x 32 icon"

# No window manager runs here, so give the window the input focus directly.
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 50 "100"
xdotool key Return
# Entry, Clear All, Calculate, Print Form, Close, the unit group, then the
# bytes result box, whose text Tab selects.
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab
xdotool key ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard) || fail "clipboard is empty"
[[ $copied == "102400" ]] || fail "bytes result of 100 kilobytes: '$copied'"

# A cell copied from a terminal or a spreadsheet brings its line break. Back
# to the entry, replace its text with the paste and confirm it.
printf '2048\n' | xclip -i -selection clipboard
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
  shift+Tab ctrl+a ctrl+v Return
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab
xdotool key ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard) || fail "clipboard is empty"
[[ $copied == "2097152" ]] ||
  fail "bytes result of a pasted 2048 kilobytes and line break: '$copied'"

xdotool key alt+c
for _ in $(seq 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "Alt+C did not end the program"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
echo "e2e: title, typed entry, Enter, clipboard, pasted line and Alt+C all as expected"
