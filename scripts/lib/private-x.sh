# shellcheck shell=bash
# Sourced by scripts that run the program on a private X server.
# Defines start_private_x and start_program; the caller's EXIT trap should
# call stop_private_x.

work=$(mktemp -d)
xvfb_pid=""
app_pid=""

stop_private_x() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}

# start_private_x GEOMETRY [XVFB_ARG...]: Xvfb on a free display (Xvfb picks
# the number and writes it to the pipe), with any further arguments; exports
# DISPLAY and XDG_RUNTIME_DIR.
start_private_x() {
  local display_fd display_number
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "$1" -nolisten tcp "${@:2}" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 20 -u "$display_fd" display_number || return 1
  export DISPLAY=":$display_number" XDG_RUNTIME_DIR="$work"
}

# start_program PROGRAM: starts it in US English (or under $program_locale)
# and waits until its main window is shown; sets app_pid and window (empty if
# none appeared).
start_program() {
  local locale=${program_locale:-en_US.UTF-8}
  LC_ALL=$locale LANG=$locale LANGUAGE="" "$1" >"$work/app.log" 2>&1 &
  app_pid=$!
  # shellcheck disable=SC2034  # read by the caller
  window=$(timeout 20 xdotool search --sync --onlyvisible \
    --name '^Mensurex$' | head -n 1) || true
}
