#!/usr/bin/env bash
# Installs what building, running and testing the panel needs on Debian 12:
# the mingw-w64 cross compiler, Wine with its 32-bit part, a virtual X
# display and the tools around it, and Clang with its libFuzzer runtime for the
# fuzz targets. Only missing packages are installed, so a second run returns
# at once.
set -euo pipefail

packages=(
  wine wine32:i386 wine64 fonts-wine
  g++-mingw-w64-i686
  g++ make cmake googletest
  xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic
  # The Ume fonts have the character widths of the Japanese Windows UI fonts
  # that the panel's layout is made for (scripts/wine-env.sh maps them).
  fonts-horai-umefont
  # The Japanese locale's source, from which the guide's screenshots compile
  # the locale Wine runs in (scripts/guide-screenshots.sh).
  locales
  procps ccache
  # Clang 14 and its runtime libraries: libFuzzer lives in libclang-rt-14-dev,
  # which clang-14 only recommends.
  clang-14 libclang-rt-14-dev
  # Two monitors for the end-to-end tests: Xorg with the dummy driver, xrandr.
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
)

installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

as_root=()
if ((EUID != 0)); then
  if command -v sudo >/dev/null; then
    as_root=(sudo)
  else
    echo "setup.sh: missing packages (${missing[*]}), and this is not root and there is no sudo" >&2
    exit 1
  fi
fi

echo "setup.sh: installing ${missing[*]}"
# wine32 is a 32-bit package: the i386 architecture must be known first.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
