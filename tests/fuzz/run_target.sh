#!/usr/bin/env bash
# Runs one fuzz target from its committed seeds and prints its figures.
#   run_target.sh PROGRAM SEEDS WORK [libFuzzer options]
# e.g. -max_total_time=60 or -runs=10000000. The inputs that libFuzzer keeps
# go to WORK/corpus, made empty first, so the seeds stay as committed; an
# input that breaks a property or trips a sanitizer is saved in WORK/ and
# the run fails. The full log is WORK/log.
set -uo pipefail
program=$1 seeds=$2 work=$3
shift 3
name=$(basename "$program")

rm -rf "$work"
mkdir -p "$work/corpus"
"$program" -print_final_stats=1 -timeout=10 -artifact_prefix="$work/" "$@" \
  "$work/corpus" "$seeds" >"$work/log" 2>&1
status=$?

stat() { sed -n "s/^stat::$1: *//p" "$work/log" | tail -1; }
runs=$(stat number_of_executed_units)
seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/log" | tail -1)
findings=$(find "$work" -maxdepth 1 -name '*-*' -type f | wc -l)
printf '%s: %s inputs in %s s, %s exec/s, %s findings\n' \
  "$name" "${runs:-?}" "${seconds:-?}" "$(stat average_exec_per_sec)" "$findings"

if ((status != 0 || findings != 0)); then
  # The report of the finding (the property, the sanitizer or the crash,
  # and where) and the file it saved.
  awk '/property violated|ERROR: |runtime error: /{found=1} found' "$work/log" | head -30
  grep 'Test unit written' "$work/log"
  echo "$name: FAILED, the input is in $work/ (rerun: $program INPUT)"
  exit 1
fi
