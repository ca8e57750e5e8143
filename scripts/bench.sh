#!/bin/sh
# Runs the benchmarks: native ones directly, Windows ones under Wine, then the
# program's processor use while it waits (scripts/idle-bench.sh).
set -eu
native="$1"; win="$2"
for b in "$native"/*_bench; do [ -x "$b" ] && "$b"; done
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$win/bench-prefix"
trap kn_wine_stop EXIT INT TERM
for tool in tick_bench cpu_source_bench xibutton_paint_bench xiprogressbar_paint_bench time_exchange_bench; do
  [ -f "$win/$tool.exe" ] && wine "$win/$tool.exe" </dev/null
done
[ -f "$win/skin_bench.exe" ] && wine "$win/skin_bench.exe" 200 "$(winepath -w data)" </dev/null
[ -f "$win/timer_idle_bench.exe" ] && wine "$win/timer_idle_bench.exe" 10 </dev/null
. "$(dirname "$0")/idle-bench.sh"
kn_idle_bench "$win"
