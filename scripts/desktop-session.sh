# Starts a throw-away desktop for the end-to-end tests and the benchmarks: a
# virtual X display, a window manager, a tray host and a PulseAudio server
# with a null sink. Works as root on a fresh machine with no display and no
# sound server. Source it, call vestrona_desktop_start, and
# vestrona_desktop_stop at the end.

VESTRONA_DESKTOP_PIDS=()

# vestrona_desktop_wait TRIES COMMAND...: runs COMMAND every 0.1 s until it
# succeeds; fails after TRIES attempts.
vestrona_desktop_wait() {
  local tries=$1; shift
  local i
  for ((i = 0; i < tries; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

vestrona_desktop_fail() {
  echo "desktop-session: $1 (logs in $VESTRONA_RUNTIME_DIR)" >&2
  local log
  for log in "$VESTRONA_RUNTIME_DIR"/*.log; do
    [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  return 1
}

# The window manager has taken the screen once it names its check window.
vestrona_desktop_wm_ready() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# trayer maps its panel only after it owns the tray selection.
vestrona_desktop_tray_ready() {
  [ -n "$(xdotool search --onlyvisible --class trayer 2>/dev/null)" ]
}

vestrona_desktop_start() {
  local display_no=${VESTRONA_DISPLAY_NO:-87}
  export DISPLAY=":$display_no"
  export VESTRONA_RUNTIME_DIR
  VESTRONA_RUNTIME_DIR="$(mktemp -d /tmp/vestrona-desktop.XXXXXX)"
  export XDG_RUNTIME_DIR="$VESTRONA_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  # No session bus: Qt then embeds its tray icon the XEmbed way into trayer,
  # and nothing reaches for a bus of the machine the tests run on.
  unset DBUS_SESSION_BUS_ADDRESS

  if [ -e "/tmp/.X11-unix/X$display_no" ] || [ -e "/tmp/.X$display_no-lock" ]; then
    echo "desktop-session: display $DISPLAY is taken; choose another with VESTRONA_DISPLAY_NO" >&2
    return 1
  fi
  # -noreset: without it the server resets when its last client leaves, and
  # the window manager started right after the readiness probe finds no display.
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp -noreset >"$VESTRONA_RUNTIME_DIR/xvfb.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  vestrona_desktop_wait 100 xdpyinfo || { vestrona_desktop_fail "Xvfb did not start"; return 1; }

  # A window mapped before openbox manages the screen can stay unmapped, and
  # the tray host needs the window manager to place its panel.
  openbox --sm-disable >"$VESTRONA_RUNTIME_DIR/openbox.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  vestrona_desktop_wait 100 vestrona_desktop_wm_ready || { vestrona_desktop_fail "openbox did not start"; return 1; }

  trayer --edge bottom --align right --widthtype pixel --width 120 --height 32 \
    --transparent false --tint 0x3050a0 >"$VESTRONA_RUNTIME_DIR/trayer.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  vestrona_desktop_wait 100 vestrona_desktop_tray_ready || { vestrona_desktop_fail "trayer did not start"; return 1; }

  # The sound server keeps its state, cookie and socket in the throw-away
  # folder, so it needs no home folder and no earlier set-up, even as root.
  export PULSE_RUNTIME_PATH="$VESTRONA_RUNTIME_DIR/pulse"
  export PULSE_STATE_PATH="$VESTRONA_RUNTIME_DIR/pulse-state"
  export PULSE_COOKIE="$VESTRONA_RUNTIME_DIR/pulse-cookie"
  export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
  mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH"
  pulseaudio --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit -n \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
    --load="module-null-sink sink_name=vestrona_null" \
    --load="module-always-sink" >"$VESTRONA_RUNTIME_DIR/pulse.log" 2>&1 &
  VESTRONA_DESKTOP_PIDS+=($!)
  vestrona_desktop_wait 100 pactl info || { vestrona_desktop_fail "pulseaudio did not start"; return 1; }
  pactl set-default-sink vestrona_null >/dev/null
}

vestrona_desktop_stop() {
  local pid
  for pid in "${VESTRONA_DESKTOP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${VESTRONA_DESKTOP_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  VESTRONA_DESKTOP_PIDS=()
  rm -rf "${VESTRONA_RUNTIME_DIR:-/nonexistent}"
}
