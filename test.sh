#!/usr/bin/env bash
# Builds everything and runs every test:
#   1. the unit tests of the portable core, natively, with the sanitizers
#      (ctest in build/host);
#   2. the same unit tests built with ThreadSanitizer (ctest in
#      build/host-tsan), for the threads of the periodic timers;
#   3. the end-to-end tests under Wine: the real NOLBPanel.exe with the
#      stand-in NOLB.DLL, on a virtual X display of its own, in the Wine
#      prefix build/wine-prefix (ctest in build/win32).
# Exits non-zero when anything fails. Extra arguments go to both ctest runs
# (e.g. ./test.sh -R Startup).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

scripts/setup.sh
# Warnings are errors here, so the build stays free of them.
NOLB_WERROR=ON scripts/build.sh all
NOLB_WERROR=ON scripts/build.sh host-tsan

status=0
echo "== unit tests (build/host)"
(cd build/host && ctest --output-on-failure -j2 "$@") || status=1

echo "== unit tests with ThreadSanitizer (build/host-tsan)"
(cd build/host-tsan && ctest --output-on-failure -j2 "$@") || status=1

echo "== end-to-end tests under Wine (build/win32)"
# A display of its own, whatever DISPLAY says: the tests move the mouse and
# take the focus.
NOLB_OWN_DISPLAY=1
source scripts/wine-env.sh
rm -rf build/win32/e2e-screenshots
(cd build/win32 && ctest --output-on-failure "$@") || status=1
# The harness saves the screen at each failing test's first failure.
shots=build/win32/e2e-screenshots
if compgen -G "$shots/*.bmp" >/dev/null; then
  for shot in "$shots"/*.bmp; do
    convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
  done
  echo "test.sh: screenshots of the failures are in $shots/"
fi

if ((status != 0)); then
  echo "test.sh: FAILED" >&2
else
  echo "test.sh: all tests passed"
fi
exit $status
