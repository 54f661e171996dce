# Sourced by test.sh after scripts/wine-env.sh (bash): a second X display
# with two monitors, for the end-to-end tests that need them.
#
#   Xorg with the dummy video driver (run as root, configured from
#   build/two-monitors/xorg.conf, log in build/two-monitors/Xorg.log), one
#   screen with two outputs: DUMMY0 1280x1024 primary at (0, 0), DUMMY1
#   1024x768 left of it, so that Windows programs see the second monitor at
#   x = -1024 .. -1, y = 0 .. 767. nolb_two_monitors_arrange places DUMMY1
#   100 pixels further left ("gap": x = -1124 .. -101) or 100 pixels over the
#   primary ("overlap": x = -924 .. 99), as Windows reports monitors of
#   different display scaling to a program unaware of it, and back
#   ("beside"); it exports the layout as NOLB_TWO_MONITORS_LAYOUT.
#   A Wine prefix of its own without a virtual desktop
#   (build/wine-prefix-two-monitors), where programs see both monitors.
#
# Exports NOLB_TWO_MONITORS_DISPLAY and NOLB_TWO_MONITORS_PREFIX for
# scripts/on-two-monitors.sh, the emulator of the tests that run there. When
# the display cannot be made (not root, no Xorg), nothing is exported and
# those tests report that they lack a second monitor. Stopped with the
# rest of the Wine environment (nolb_two_monitors_stop).

nolb_two_monitors_dir="$nolb_repo/build/two-monitors"
nolb_two_monitors_pid=""

nolb_two_monitors_config() {
  cat <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2404 1024
  EndSubSection
EndSection
CONF
}

# Waits (up to 10 s) until the display lists the two monitors.
nolb_two_monitors_wait() {
  local i
  for ((i = 0; i < 200; i++)); do
    [[ "$(xrandr --listmonitors 2>/dev/null | head -n1)" == "Monitors: 2" ]] && return 0
    sleep 0.05
  done
  return 1
}

# Places the two outputs in one step, the screen as large as they need, and
# starts the prefix's Wine session again, so that its programs see them so
# (a session that runs on may keep the monitors it saw before).
nolb_two_monitors_arrange() {
  local primary
  case "$1" in
    beside) primary=1024 ;;
    gap) primary=1124 ;;
    overlap) primary=924 ;;
    *) return 1 ;;
  esac
  (
    export DISPLAY="$NOLB_TWO_MONITORS_DISPLAY" WINEPREFIX="$NOLB_TWO_MONITORS_PREFIX"
    xrandr --fb "$((primary + 1280))x1024" --output DUMMY1 --pos 0x0 --output DUMMY0 --pos "${primary}x0" &&
      nolb_two_monitors_session
  ) || return 1
  export NOLB_TWO_MONITORS_LAYOUT="$1"
}

# One wineserver for every test program, and the session's services started
# now, detached (see wine-env.sh); a session already running is ended first.
nolb_two_monitors_session() {
  wineserver -k >/dev/null 2>&1 || true
  local i
  for ((i = 0; i < 100; i++)); do
    wineserver -p 2>/dev/null && break
    sleep 0.05
  done
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

nolb_two_monitors_start() {
  if ((EUID != 0)) || ! command -v Xorg >/dev/null || ! command -v xrandr >/dev/null; then
    nolb_log "no second X display with two monitors (needs root, Xorg and xrandr: scripts/setup.sh)"
    return 0
  fi
  local dir="$nolb_two_monitors_dir" display="" i
  mkdir -p "$dir"
  rm -f "$dir/display"
  nolb_two_monitors_config >"$dir/xorg.conf"
  # -displayfd picks a free display number; -noreset keeps the server when
  # the last program leaves; no virtual terminal is needed with the dummy
  # driver and no input devices.
  Xorg -displayfd 3 -config "$dir/xorg.conf" -noreset -nolisten tcp -logfile "$dir/Xorg.log" \
    3>"$dir/display" >"$dir/out" 2>&1 &
  nolb_two_monitors_pid=$!
  for ((i = 0; i < 200; i++)); do
    display="$(head -n1 "$dir/display" 2>/dev/null || true)"
    [[ -n "$display" ]] && break
    kill -0 "$nolb_two_monitors_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [[ -z "$display" ]]; then
    nolb_log "Xorg did not start (see $dir/Xorg.log)"
    nolb_two_monitors_stop
    return 0
  fi
  if ! (
    export DISPLAY=":$display"
    xrandr --output DUMMY0 --mode 1280x1024 --primary --pos 0x0 &&
      xrandr --addmode DUMMY1 1024x768 &&
      xrandr --output DUMMY1 --mode 1024x768 --left-of DUMMY0 &&
      nolb_two_monitors_wait
  ); then
    nolb_log "xrandr could not arrange the two monitors"
    nolb_two_monitors_stop
    return 0
  fi
  if ! (
    export DISPLAY=":$display" WINEPREFIX="$nolb_repo/build/wine-prefix-two-monitors" NOLB_WINE_DESKTOP=0
    nolb_prepare_prefix
  ); then
    nolb_log "could not prepare the Wine prefix of the two monitors"
    nolb_two_monitors_stop
    return 0
  fi
  export NOLB_TWO_MONITORS_DISPLAY=":$display"
  export NOLB_TWO_MONITORS_PREFIX="$nolb_repo/build/wine-prefix-two-monitors"
  if ! nolb_two_monitors_arrange beside; then
    nolb_log "xrandr could not arrange the two monitors"
    nolb_two_monitors_stop
    return 0
  fi
  nolb_log "two monitors on display :$display (Xorg pid $nolb_two_monitors_pid)"
}

nolb_two_monitors_stop() {
  if [[ -n "${NOLB_TWO_MONITORS_PREFIX:-}" ]]; then
    WINEPREFIX="$NOLB_TWO_MONITORS_PREFIX" wineserver -k >/dev/null 2>&1 || true
  fi
  unset NOLB_TWO_MONITORS_DISPLAY NOLB_TWO_MONITORS_PREFIX NOLB_TWO_MONITORS_LAYOUT
  if [[ -n "$nolb_two_monitors_pid" ]]; then
    kill "$nolb_two_monitors_pid" 2>/dev/null || true
    wait "$nolb_two_monitors_pid" 2>/dev/null || true
    nolb_two_monitors_pid=""
  fi
}

nolb_two_monitors_start
