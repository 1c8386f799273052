# Sourced by scripts that run the program on a private X server.
# Defines start_private_x and start_program; the caller's EXIT trap should
# call stop_private_x.

work=$(mktemp -d)
xvfb_pid=""
app_pid=""

stop_private_x() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
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

# start_program PROGRAM: starts it in US English and waits until its main
# window is shown; sets app_pid and window (empty if none appeared).
start_program() {
  LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$1" >"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible \
    --name '^Mensurex$' | head -n 1) || true
}
