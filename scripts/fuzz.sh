#!/bin/sh
# Runs every fuzz target of the native build, one after the other, for longer
# than the test suite does, and prints how many inputs each one tried.
# The targets are the tests labelled "fuzz", so new ones join by themselves.
#   fuzz.sh <native build folder>
#   KN_FUZZ_RUNS     inputs per target (default 10,000,000)
#   KN_FUZZ_SECONDS  time limit per target (default 1800), whichever comes first
set -u
build="$1"
export KN_FUZZ_RUNS="${KN_FUZZ_RUNS:-10000000}"
export KN_FUZZ_SECONDS="${KN_FUZZ_SECONDS:-1800}"
cd "$build" || exit 1
targets=$(ctest -N -L fuzz | sed -n 's/^ *Test *#[0-9]*: *//p')
[ -n "$targets" ] || { echo "no fuzz targets in $build" >&2; exit 1; }
status=0
for target in $targets; do
  log="fuzz-$target.log"
  if ctest -R "^$target\$" -V --timeout $((KN_FUZZ_SECONDS + 300)) >"$log" 2>&1; then
    verdict="no finding"
  else
    verdict="FAILED, see $build/$log"
    status=1
  fi
  done_line=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | tail -1)
  runs=$(echo "$done_line" | cut -d' ' -f2)
  seconds=$(echo "$done_line" | cut -d' ' -f5)
  printf '%-16s %12s executions in %6s s: %s\n' "$target" "${runs:-?}" "${seconds:-?}" "$verdict"
done
exit $status
