#!/usr/bin/env bash
# Builds the fuzz targets (build/fuzz) and runs them one after the other,
# each from its committed seeds, for as long as asked:
#   scripts/fuzz.sh [--time SECONDS | --runs INPUTS] [TARGET ...]
# (default: 60 seconds each; every target of tests/fuzz when none is named,
# e.g. integer_text main_settings). Prints each target's figures (inputs,
# seconds, inputs per second, findings) and exits non-zero when a target
# finds an input that breaks a property or trips a sanitizer; the input and
# the log are kept in build/fuzz/tests/fuzz/runs/TARGET/. Other options go
# to libFuzzer as they are (e.g. -max_len=10000). On a shared machine run it
# with nice, e.g. nice -n 10 scripts/fuzz.sh --runs 10000000.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

limit=(-max_total_time=60)
options=()
targets=()
while (($#)); do
  case "$1" in
    --time) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    -*) options+=("$1"); shift ;;
    *) targets+=("$1"); shift ;;
  esac
done

"$repo/scripts/setup.sh"
# Warnings are errors, as in ./test.sh, so the two share one configuration.
NOLB_WERROR="${NOLB_WERROR:-ON}" "$repo/scripts/build.sh" fuzz >/dev/null

bin="$repo/build/fuzz/tests/fuzz"
if ((${#targets[@]} == 0)); then
  for seeds in "$repo"/tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

status=0
for target in "${targets[@]}"; do
  if [[ ! -x "$bin/${target}_fuzz" ]]; then
    echo "fuzz.sh: no fuzz target $target (tests/fuzz/${target}_fuzz.cpp)" >&2
    exit 2
  fi
  "$repo/tests/fuzz/run_target.sh" "$bin/${target}_fuzz" "$repo/tests/fuzz/corpus/$target" \
    "$bin/runs/$target" "${limit[@]}" ${options[@]+"${options[@]}"} || status=1
done
exit $status
