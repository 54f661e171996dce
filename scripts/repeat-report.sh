#!/usr/bin/env bash
# Reads the output of several ctest runs of the same tests and prints, for
# every test, how many runs it took part in and how often it failed (a
# failure, a time-out or a crash), the tests that failed first.
# Usage: scripts/repeat-report.sh ctest-output-file...
set -euo pipefail

if (($# == 0)); then
  echo "usage: $0 ctest-output-file..." >&2
  exit 2
fi

# A result line of ctest:
#   " 12/67 Test #12: Suite.Name .......***Failed    3.02 sec"
awk '
  match($0, /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: /) {
    rest = substr($0, RSTART + RLENGTH)
    if (!match(rest, / \.+ */)) next
    name = substr(rest, 1, RSTART - 1)
    result = substr(rest, RSTART + RLENGTH)
    if (!(name in runs)) order[++count] = name
    runs[name]++
    if (result !~ /^Passed/) failures[name]++
  }
  END {
    total = 0
    failing = 0
    for (i = 1; i <= count; i++) {
      total += failures[order[i]]
      if (failures[order[i]] > 0) failing++
    }
    printf "== failures per test (%d tests, %d failing, %d failures in all)\n", count, failing, total
    for (i = 1; i <= count; i++) {
      name = order[i]
      if (failures[name] > 0) printf "%4d of %-4d %s\n", failures[name], runs[name], name
    }
    for (i = 1; i <= count; i++) {
      name = order[i]
      if (failures[name] == 0) printf "%4d of %-4d %s\n", 0, runs[name], name
    }
  }
' "$@"
