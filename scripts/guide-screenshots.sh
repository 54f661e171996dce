#!/usr/bin/env bash
# Takes the pictures of the Japanese guide (docs/guide-ja.md) from real runs
# of the panel under Wine, on a virtual display of its own, and writes them
# as docs/guide-ja/<name>.png (and the main window's as docs/main-window.png,
# the picture of README.md). The program that drives the panel and saves
# each window is tests/e2e/guide/guide_screenshots.cpp (the end-to-end
# harness). Run it after a change to a window, look at the pictures, and
# commit them with the change.
#
# The pictures show the panel as on a Japanese Windows: Wine runs with a
# Japanese locale (ja_JP.UTF-8, compiled here into build/locale, so the
# system needs no locale of its own), which gives the system's own texts in
# Japanese (the buttons 「はい(Y)」「いいえ(N)」 of a message box, the title of
# Wine's editor), in a prefix of its own, build/wine-prefix-ja, configured as
# the one of run.sh and test.sh (scripts/wine-env.sh): its Japanese UI fonts
# have the widths of the Windows fonts, so the captions fit as designed. A picture of the X display holds no mouse cursor, and Wine
# does not let one process read another's cursor: where the cursor matters
# (the cross of 「位置指定」 and 「範囲指定」), the program draws the standard
# cross (IDC_CROSS, the one those selections show) into the picture with its
# hot spot at the pointer (DrawIconEx; the cursor argument of Shot).
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

# A Japanese locale for Wine, whatever the system has.
export LOCPATH="$repo/build/locale"
if [[ ! -d "$LOCPATH/ja_JP.UTF-8" ]]; then
  mkdir -p "$LOCPATH"
  localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8"
fi
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
NOLB_WINE_PREFIX="$repo/build/wine-prefix-ja"

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
# README.md shows the same picture of the main window.
if [[ -f "$out/main-window.png" ]]; then
  cp "$out/main-window.png" docs/main-window.png
fi
if ((status != 0)); then
  echo "guide-screenshots: some pictures were not taken (see above)" >&2
fi
exit $status
