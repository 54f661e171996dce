#!/usr/bin/env bash
# Takes the pictures of the Japanese guide (docs/guide-ja.md) from real runs
# of the panel under Wine, on a virtual display of its own, and writes them
# as docs/guide-ja/<name>.png. The program that drives the panel and saves
# each window is tests/e2e/guide/guide_screenshots.cpp (the end-to-end
# harness). Run it after a change to a window, look at the pictures, and
# commit them with the change.
#
# Usage: scripts/guide-screenshots.sh [gtest arguments, e.g. --gtest_filter=Guide.MainWindow]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$PWD"

scripts/setup.sh
scripts/build.sh win32
cmake --build build/win32 -j"${NOLB_JOBS:-2}" --target guide_screenshots

shots="$repo/build/guide-screenshots"
out="$repo/docs/guide-ja"
rm -rf "$shots"
mkdir -p "$shots" "$out"

# A display of its own: the program moves the mouse and takes the focus.
NOLB_OWN_DISPLAY=1
source scripts/wine-env.sh
NOLB_GUIDE_SHOTS="$(winepath -w "$shots")"
export NOLB_GUIDE_SHOTS

status=0
(cd build/win32/bin && wine guide_screenshots.exe "$@") || status=1

for shot in "$shots"/*.bmp; do
  [[ -e "$shot" ]] || continue
  name="$(basename "${shot%.bmp}")"
  convert "$shot" -strip "$out/$name.png"
  echo "guide-screenshots: docs/guide-ja/$name.png ($(identify -format '%wx%h' "$out/$name.png"))"
done
if ((status != 0)); then
  echo "guide-screenshots: some pictures were not taken (see above)" >&2
fi
exit $status
