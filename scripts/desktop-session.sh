# Starts a throw-away desktop for the end-to-end tests: a virtual X display,
# a window manager, a tray host and a PulseAudio server with a null sink.
# Source it, call vestrona_desktop_start, and vestrona_desktop_stop at the end.

VESTRONA_DESKTOP_PIDS=()

vestrona_desktop_start() {
  local display_no=${VESTRONA_DISPLAY_NO:-87}
  export DISPLAY=":$display_no"
  export VESTRONA_RUNTIME_DIR
  VESTRONA_RUNTIME_DIR="$(mktemp -d /tmp/vestrona-desktop.XXXXXX)"
  export XDG_RUNTIME_DIR="$VESTRONA_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"

  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$VESTRONA_RUNTIME_DIR/xvfb.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  local i
  for i in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  openbox >"$VESTRONA_RUNTIME_DIR/openbox.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 32 \
    --transparent false --tint 0x3050a0 >"$VESTRONA_RUNTIME_DIR/trayer.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)

  export PULSE_RUNTIME_PATH="$VESTRONA_RUNTIME_DIR/pulse"
  mkdir -p "$PULSE_RUNTIME_PATH"
  pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-null-sink sink_name=vestrona_null" \
    --load="module-always-sink" >"$VESTRONA_RUNTIME_DIR/pulse.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  for i in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl set-default-sink vestrona_null >/dev/null 2>&1 || true
}

vestrona_desktop_stop() {
  local pid
  for pid in "${VESTRONA_DESKTOP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "${VESTRONA_RUNTIME_DIR:-/nonexistent}"
}
