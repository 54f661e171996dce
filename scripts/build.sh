#!/usr/bin/env bash
# Configures (once) and builds these configurations:
#   build/host   native, with the sanitizers: the portable core and its unit tests
#   build/host-tsan  native, with ThreadSanitizer: the same unit tests, for
#                the worker threads of the periodic timers
#   build/win32  32-bit Windows through mingw-w64: the panel, the stand-in
#                NOLB.DLL, the end-to-end tests; outputs in build/win32/bin
#   build/fuzz   native, with Clang, libFuzzer and the sanitizers: the fuzz
#                targets of tests/fuzz (scripts/fuzz.sh runs them)
#   build/release  what a user takes: NOLBPanel.exe, its console companion
#                NOLBPanel.com and the stand-in NOLB.DLL, optimised for size,
#                stripped, runtime linked statically, in build/release/bin,
#                and build/release/NOLBPanel-<version>.zip with the two
#                programs and the Japanese guide; prints their sizes
# Usage: scripts/build.sh [host|host-tsan|win32|all|fuzz|release]   (default all:
# host and win32, what the tests need)
# NOLB_WERROR=ON makes every compiler warning an error (./test.sh sets it).
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which="${1:-all}"
jobs="${NOLB_JOBS:-2}"
case "${NOLB_WERROR:-OFF}" in
  ON | on | 1 | TRUE | true) werror=ON ;;
  *) werror=OFF ;;
esac

# ccache, where installed, lets several checkouts of the repository share
# compiled objects (paths below the checkout count as relative).
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$repo" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# A configured tree reconfigures itself when a CMakeLists.txt changes, so
# cmake is asked to configure only the first time, and again only when the
# warnings-as-errors switch changes (ccache keeps the objects of both).
configure() {
  local dir="$1"
  shift
  if [[ ! -f "$dir/CMakeCache.txt" || ! -f "$dir/Makefile" ]]; then
    cmake -S "$repo" -B "$dir" -G "Unix Makefiles" "${launcher[@]}" -DNOLB_WERROR="$werror" "$@"
  elif ! grep -qx "NOLB_WERROR:BOOL=$werror" "$dir/CMakeCache.txt"; then
    cmake -S "$repo" -B "$dir" -DNOLB_WERROR="$werror" >/dev/null
  fi
}

build_host() {
  configure "$repo/build/host" -DNOLB_SANITIZE=ON
  cmake --build "$repo/build/host" -j"$jobs"
}

build_host_tsan() {
  configure "$repo/build/host-tsan" -DNOLB_TSAN=ON
  cmake --build "$repo/build/host-tsan" -j"$jobs"
}

build_fuzz() {
  configure "$repo/build/fuzz" -DNOLB_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
  cmake --build "$repo/build/fuzz" -j"$jobs"
}

build_win32() {
  configure "$repo/build/win32" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake"
  cmake --build "$repo/build/win32" -j"$jobs"
}

build_release() {
  local dir="$repo/build/release"
  configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel
  cmake --build "$dir" -j"$jobs" --target NOLBPanel NOLBPanelCom NOLB release_zip
  local file
  for file in "$dir/bin/NOLBPanel.exe" "$dir/bin/NOLBPanel.com" "$dir/bin/NOLB.dll" "$dir"/NOLBPanel-*.zip; do
    printf 'release: %-40s %9d bytes\n' "${file#"$repo"/}" "$(stat -c %s "$file")"
  done
}

case "$which" in
  host) build_host ;;
  host-tsan) build_host_tsan ;;
  win32) build_win32 ;;
  fuzz) build_fuzz ;;
  all) build_host && build_win32 ;;
  release) build_release ;;
  *) echo "usage: $0 [host|host-tsan|win32|all|fuzz|release]" >&2; exit 2 ;;
esac
