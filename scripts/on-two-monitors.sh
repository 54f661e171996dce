#!/usr/bin/env bash
# The emulator of the end-to-end tests that need two monitors: runs a Windows
# program under Wine on the two-monitor display and in the Wine prefix that
# scripts/two-monitors.sh made, or as usual when there are none (the tests
# then report the missing monitor).
if [[ -n "${NOLB_TWO_MONITORS_DISPLAY:-}" && -n "${NOLB_TWO_MONITORS_PREFIX:-}" ]]; then
  export DISPLAY="$NOLB_TWO_MONITORS_DISPLAY" WINEPREFIX="$NOLB_TWO_MONITORS_PREFIX"
fi
exec wine "$@"
