# Sourced by run.sh and test.sh (bash): the Wine environment of this repository.
#
#   WINEPREFIX        <repo>/build/wine-prefix (NOLB_WINE_PREFIX names another),
#                     made on first use and configured so that every program runs inside one Wine virtual desktop
#                     ("Default", 1280x1024), the Japanese UI fonts map to the
#                     Ume fonts (fonts-horai-umefont), whose characters have the
#                     widths of the Windows fonts they stand for, so captions fit
#                     the designed layout as on Windows, and the Marlett symbol
#                     font of the Wine packages (fonts-wine) draws the title-bar
#                     buttons
#   WINEDEBUG         -all
#   WINEDLLOVERRIDES  mscoree=;mshtml=  (never a Mono or Gecko prompt)
#   DISPLAY           kept when it works, unless NOLB_OWN_DISPLAY=1; otherwise a
#                     virtual X display (Xvfb) on a free display number
#
# On exit of the sourcing shell the Wine processes of the prefix are ended
# (wineserver -k) and a virtual display started here is stopped. A script
# that needs more cleanup defines nolb_extra_cleanup; it runs first.

nolb_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

export WINEPREFIX="${NOLB_WINE_PREFIX:-$nolb_repo/build/wine-prefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

nolb_xvfb_pid=""
nolb_xvfb_dir=""

nolb_log() { echo "[wine-env] $*" >&2; }

nolb_display_usable() {
  [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1
}

# Starts Xvfb on the first free display number (Xvfb picks it itself with
# -displayfd, so two runs at once cannot race for one number).
nolb_start_xvfb() {
  nolb_xvfb_dir="$(mktemp -d /tmp/nolb-xvfb.XXXXXX)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$nolb_xvfb_dir/display" >"$nolb_xvfb_dir/log" 2>&1 &
  nolb_xvfb_pid=$!
  local display="" i
  for ((i = 0; i < 200; i++)); do
    display="$(head -n1 "$nolb_xvfb_dir/display" 2>/dev/null || true)"
    [[ -n "$display" ]] && break
    if ! kill -0 "$nolb_xvfb_pid" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  if [[ -z "$display" ]]; then
    nolb_log "Xvfb did not start:"
    cat "$nolb_xvfb_dir/log" >&2
    return 1
  fi
  export DISPLAY=":$display"
  nolb_log "virtual display $DISPLAY (Xvfb pid $nolb_xvfb_pid)"
}

# Raise the version when the configuration below changes: prefixes made
# before are then configured again.
nolb_wine_config_version=3

# The symbol font of the title-bar buttons (minimise, close), which Wine
# ships but this prefix does not find by itself: without it the buttons
# show the letters "0 1 r".
nolb_install_marlett() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" candidate
  for candidate in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/wine/fonts/marlett.ttf \
    /usr/lib/wine/fonts/marlett.ttf /usr/lib/*/wine/fonts/marlett.ttf; do
    if [[ -f "$candidate" ]]; then
      mkdir -p "$fonts"
      cp -f "$candidate" "$fonts/marlett.ttf"
      return 0
    fi
  done
  nolb_log "no marlett.ttf found (package fonts-wine); title-bar buttons will show letters"
}

# Registry settings of the prefix, imported once with regedit. A prefix made
# with NOLB_WINE_DESKTOP=0 has no virtual desktop: its programs see the X
# display's monitors as they are (scripts/two-monitors.sh).
nolb_write_registry_file() {
  echo 'Windows Registry Editor Version 5.00'
  if [[ "${NOLB_WINE_DESKTOP:-1}" == 1 ]]; then
    cat <<'REG'

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
REG
  fi
  cat <<'REG'

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="Ume P Gothic"
"ＭＳ ゴシック"="Ume Gothic"
"MS UI Gothic"="Ume UI Gothic"
"MS PGothic"="Ume P Gothic"
"MS Gothic"="Ume Gothic"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="Ume P Gothic"
"ＭＳ ゴシック"="Ume Gothic"
"MS UI Gothic"="Ume UI Gothic"
"MS PGothic"="Ume P Gothic"
"MS Gothic"="Ume Gothic"
REG
}

nolb_prepare_prefix() {
  local marker="$WINEPREFIX/.nolb-config-$nolb_wine_config_version"
  [[ -f "$marker" ]] && return 0
  mkdir -p "$WINEPREFIX"
  nolb_log "preparing the Wine prefix $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  local reg="$WINEPREFIX/drive_c/nolb-settings.reg"
  # regedit reads a version 5 file as UTF-16 with a byte order mark.
  { printf '\xff\xfe'; nolb_write_registry_file | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  wine regedit /S 'C:\nolb-settings.reg' >/dev/null 2>&1 || true
  wineserver -w
  if ! grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" ||
    { [[ "${NOLB_WINE_DESKTOP:-1}" == 1 ]] && ! grep -q '"Default"="1280x1024"' "$WINEPREFIX/user.reg"; }; then
    nolb_log "could not configure the Wine prefix"
    return 1
  fi
  nolb_install_marlett
  touch "$marker"
}

nolb_wine_env_cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if declare -F nolb_extra_cleanup >/dev/null; then
    nolb_extra_cleanup || true
  fi
  if declare -F nolb_two_monitors_stop >/dev/null; then
    nolb_two_monitors_stop || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "$nolb_xvfb_pid" ]]; then
    kill "$nolb_xvfb_pid" 2>/dev/null || true
    wait "$nolb_xvfb_pid" 2>/dev/null || true
    nolb_xvfb_pid=""
  fi
  [[ -n "$nolb_xvfb_dir" ]] && rm -rf "$nolb_xvfb_dir"
  return $status
}

nolb_wine_env_start() {
  trap nolb_wine_env_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  if [[ "${NOLB_OWN_DISPLAY:-0}" == 1 ]] || ! nolb_display_usable; then
    nolb_start_xvfb || return 1
  fi
  nolb_prepare_prefix || return 1
  # One wineserver for the whole run: each later Wine start is quicker.
  wineserver -p
  # Start the session's background services now, detached from any terminal
  # or pipe. Started by the first test program instead, they would inherit
  # its output pipe and hold it open, and ctest would wait for them.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

nolb_wine_env_start
