#!/usr/bin/env bash
# Builds everything and runs every test:
#   1. the unit tests of the portable core, natively, with the sanitizers
#      (ctest in build/host);
#   2. the same unit tests built with ThreadSanitizer (ctest in
#      build/host-tsan), for the threads of the periodic timers;
#   3. the fuzz targets of the readers of outside text (tests/fuzz), each
#      for a few seconds from its committed seeds, built with Clang and
#      libFuzzer (ctest in build/fuzz); a finding fails the run;
#   4. the end-to-end tests under Wine: the real NOLBPanel.exe with the
#      stand-in NOLB.DLL, on a virtual X display of its own, in the Wine
#      prefix build/wine-prefix (ctest in build/win32); the group
#      TwoMonitors on an Xorg display with two monitors, in the prefix
#      build/wine-prefix-two-monitors (scripts/two-monitors.sh), and again
#      with the monitors 100 pixels apart and 100 pixels over each other.
# Exits non-zero when anything fails. Extra arguments go to every ctest run
# (e.g. ./test.sh -R Startup).
#
#   ./test.sh --repeat N [ctest arguments]
# runs the unit tests once and then the selected end-to-end tests N times
# over, every round to its end whatever failed, and prints for each test how
# often it failed (see scripts/repeat-report.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

repeat=0
if [[ "${1:-}" == --repeat ]]; then
  if [[ ! "${2:-}" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [--repeat N] [ctest arguments]" >&2
    exit 2
  fi
  repeat=$2
  shift 2
fi

scripts/setup.sh
# Warnings are errors here, so the build stays free of them.
NOLB_WERROR=ON scripts/build.sh all
NOLB_WERROR=ON scripts/build.sh host-tsan
NOLB_WERROR=ON scripts/build.sh fuzz

status=0
echo "== unit tests (build/host)"
(cd build/host && ctest --output-on-failure -j2 "$@") || status=1

echo "== unit tests with ThreadSanitizer (build/host-tsan)"
(cd build/host-tsan && ctest --output-on-failure -j2 "$@") || status=1

echo "== fuzz targets from their seeds (build/fuzz)"
(cd build/fuzz && ctest --output-on-failure -j2 "$@") || status=1

echo "== end-to-end tests under Wine (build/win32)"
# A display of its own, whatever DISPLAY says: the tests move the mouse and
# take the focus.
NOLB_OWN_DISPLAY=1
source scripts/wine-env.sh
# A second display with two monitors, for the group TwoMonitors.
source scripts/two-monitors.sh
shots=build/win32/e2e-screenshots
rm -rf "$shots"

# The harness saves the screen at each failing test's first failure.
convert_screenshots() {
  local shot
  if compgen -G "$1/*.bmp" >/dev/null; then
    for shot in "$1"/*.bmp; do
      convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
    done
    echo "test.sh: screenshots of the failures are in $1/"
  fi
}

# The end-to-end tests, then the group TwoMonitors on the other layouts of
# its monitors (as Windows reports monitors of different display scaling).
run_e2e() {
  local rc=0 layout
  (cd build/win32 && ctest --output-on-failure "$@") || rc=1
  [[ -n "${NOLB_TWO_MONITORS_DISPLAY:-}" ]] || return $rc
  for layout in gap overlap; do
    echo "== the group TwoMonitors with the monitors' layout '$layout'"
    if nolb_two_monitors_arrange "$layout"; then
      (cd build/win32 && ctest --output-on-failure "$@" -L two-monitors) || rc=1
    else
      echo "test.sh: xrandr could not arrange the monitors so" >&2
      rc=1
    fi
  done
  nolb_two_monitors_arrange beside || rc=1
  return $rc
}

if ((repeat == 0)); then
  run_e2e "$@" || status=1
  convert_screenshots "$shots"
else
  # Every round's output and screenshots are kept in a folder of its own.
  rounds=build/win32/e2e-repeat
  rm -rf "$rounds"
  mkdir -p "$rounds"
  echo "test.sh: $repeat rounds; load: $(uptime)"
  for ((round = 1; round <= repeat; round++)); do
    log="$rounds/round-$round.log"
    run_e2e "$@" >"$log" 2>&1 || status=1
    failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*' "$log" || true)
    echo "round $round/$repeat: $failed failed ($(date +%T), load $(cut -d' ' -f1-3 /proc/loadavg))"
    if [[ -d "$shots" ]]; then
      mv "$shots" "$rounds/screenshots-$round"
      convert_screenshots "$rounds/screenshots-$round"
    fi
  done
  scripts/repeat-report.sh "$rounds"/round-*.log
  echo "test.sh: each round's output is in $rounds/"
fi

if ((status != 0)); then
  echo "test.sh: FAILED" >&2
else
  echo "test.sh: all tests passed"
fi
exit $status
