# shellcheck shell=bash
# Sourced by scripts that run the program on a private Wayland compositor:
# weston with its headless backend, in a private XDG_RUNTIME_DIR. Defines
# start_private_wayland and wayland_toplevel; the caller's EXIT trap should
# call stop_private_wayland. Needs weston and qt6-wayland.

wayland_work=$(mktemp -d)  # mode 0700, as Wayland requires of the runtime dir
weston_pid=""
wayland_app_pid=""

stop_private_wayland() {
  if [[ -n $wayland_app_pid ]]; then kill "$wayland_app_pid" 2>/dev/null || true; fi
  if [[ -n $weston_pid ]]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$wayland_work"
}

# start_private_wayland: starts the compositor and waits for its socket;
# exports XDG_RUNTIME_DIR and WAYLAND_DISPLAY, and unsets DISPLAY so that
# nothing can fall back to an X server.
start_private_wayland() {
  local socket=mensurex-wayland
  XDG_RUNTIME_DIR="$wayland_work" weston --backend=headless-backend.so \
    --socket="$socket" --idle-time=0 --no-config \
    >"$wayland_work/weston.log" 2>&1 &
  weston_pid=$!
  local _
  for _ in $(seq 200); do
    [[ -S "$wayland_work/$socket" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -S "$wayland_work/$socket" ]]; then
    cat "$wayland_work/weston.log" >&2
    return 1
  fi
  unset DISPLAY
  export XDG_RUNTIME_DIR="$wayland_work" WAYLAND_DISPLAY="$socket"
}

# wayland_toplevel PROGRAM: starts it in US English on the Wayland platform,
# waits until the compositor has configured its first toplevel window, ends
# it, and prints that window's title and app id on two lines. Fails, with
# the program's output, if no toplevel was configured within 20 seconds.
wayland_toplevel() {
  local log="$wayland_work/app.log" _
  QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client LC_ALL=en_US.UTF-8 \
    LANG=en_US.UTF-8 "$1" >"$log" 2>&1 &
  wayland_app_pid=$!
  local configured=0
  for _ in $(seq 200); do
    if grep -qE 'xdg_toplevel@[0-9]+\.configure\(' "$log"; then
      configured=1
      break
    fi
    kill -0 "$wayland_app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$wayland_app_pid" 2>/dev/null || true
  wait "$wayland_app_pid" 2>/dev/null || true
  wayland_app_pid=""
  if [[ $configured -ne 1 ]]; then
    grep -v '^\[' "$log" >&2 || true
    return 1
  fi
  sed -n 's/.*-> xdg_toplevel@[0-9]*\.set_title("\(.*\)")$/\1/p' "$log" | head -n 1
  sed -n 's/.*-> xdg_toplevel@[0-9]*\.set_app_id("\(.*\)")$/\1/p' "$log" | head -n 1
}
