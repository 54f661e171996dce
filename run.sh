#!/usr/bin/env bash
# Builds the panel and runs it under Wine, from the folder build/run (the
# settings file NOLBPanel.ini and the preset lists stay there between runs),
# with the stand-in NOLB.DLL beside it.
#
# With a usable X display (DISPLAY) the program appears there, inside a Wine
# virtual desktop, and run.sh returns when it is closed. Without one, run.sh
# starts a virtual display (Xvfb), and the program runs there for
# NOLB_RUN_SECONDS seconds (default 60; 0 = until it ends or Ctrl+C), then
# it is closed. Either way a screenshot of the screen after start-up is saved
# as build/screenshots/run-startup.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
repo="$PWD"

scripts/setup.sh
scripts/build.sh win32

bin="$repo/build/win32/bin"
run="$repo/build/run"
screenshot="$repo/build/screenshots/run-startup.png"
headless_seconds="${NOLB_RUN_SECONDS:-60}"

if [[ ! -f "$bin/NOLBPanel.exe" ]]; then
  echo "run.sh: $bin/NOLBPanel.exe was not built" >&2
  exit 1
fi
library="$(find "$bin" -maxdepth 1 -iname nolb.dll -print -quit)"
if [[ -z "$library" ]]; then
  echo "run.sh: $bin has no NOLB.DLL: the stand-in capture hook library (standin/) is not built," >&2
  echo "        and the panel cannot start without it." >&2
  exit 1
fi
mkdir -p "$run" "$(dirname "$screenshot")"
cp -f "$bin/NOLBPanel.exe" "$run/"
find "$run" -maxdepth 1 -iname nolb.dll -delete
cp -f "$library" "$run/NOLB.DLL"

headless=0
if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  headless=1
fi
source scripts/wine-env.sh

cd "$run"
wine NOLBPanel.exe &
panel=$!

# The main window's caption begins with "NOLB Ver".
shown=0
for ((i = 0; i < 600; i++)); do
  if xdotool search --name '^NOLB Ver' >/dev/null 2>&1; then
    shown=1
    break
  fi
  kill -0 "$panel" 2>/dev/null || break
  sleep 0.05
done
# The window is mapped before it has painted: give it a second.
((shown == 1)) && sleep 1
import -window root "$screenshot"
echo "run.sh: screenshot of the screen after start-up: $screenshot"
if ((shown == 0)); then
  echo "run.sh: the main window did not appear (see the screenshot)" >&2
fi

if ((headless == 1)); then
  if ((headless_seconds > 0)); then
    echo "run.sh: no X display here; the panel runs on the virtual display $DISPLAY for ${headless_seconds} s (NOLB_RUN_SECONDS)"
    for ((i = 0; i < headless_seconds * 10; i++)); do
      kill -0 "$panel" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$panel" 2>/dev/null; then
      echo "run.sh: closing the panel"
      wine taskkill /im NOLBPanel.exe >/dev/null 2>&1 || true
      for ((i = 0; i < 100; i++)); do
        kill -0 "$panel" 2>/dev/null || break
        sleep 0.1
      done
      if kill -0 "$panel" 2>/dev/null; then
        echo "run.sh: the panel did not end by itself (a question on the screen?); ending it"
        wineserver -k
      fi
    fi
  else
    echo "run.sh: no X display here; the panel runs on the virtual display $DISPLAY until it ends (Ctrl+C stops it)"
  fi
fi
status=0
wait "$panel" || status=$?
echo "run.sh: the panel ended with code $status"
exit $status
