#!/bin/sh
# Runs the benchmarks: native ones directly, Windows ones under Wine, and the
# program's own processor use while it sits idle with its window shown.
set -eu
native="$1"; win="$2"; idle="${KN_IDLE_SECONDS:-60}"
for b in "$native"/*_bench; do [ -x "$b" ] && "$b"; done
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$win/bench-prefix"
trap kn_wine_stop EXIT INT TERM
for tool in tick_bench xibutton_paint_bench xiprogressbar_paint_bench time_exchange_bench; do
  [ -f "$win/$tool.exe" ] && wine "$win/$tool.exe" </dev/null
done
[ -f "$win/skin_bench.exe" ] && wine "$win/skin_bench.exe" 200 "$(winepath -w data)" </dev/null
[ -f "$win/timer_idle_bench.exe" ] && wine "$win/timer_idle_bench.exe" 10 </dev/null

# CPU time of the program's own Linux process (clock ticks of utime + stime).
wine "$win/KalvexNow.exe" </dev/null >/dev/null 2>&1 &
sleep 5
# The program's own process, not a shell that merely names it.
pid=$(pgrep -f '^[^ ]*KalvexNow\.exe' | head -n 1)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
server=$(pgrep -n -x wineserver64 || pgrep -n -x wineserver)
p0=$(ticks "$pid"); s0=$(ticks "$server")
sleep "$idle"
p1=$(ticks "$pid"); s1=$(ticks "$server")
hz=$(getconf CLK_TCK)
awk -v p="$((p1 - p0))" -v s="$((s1 - s0))" -v hz="$hz" -v t="$idle" 'BEGIN {
  printf "idle for %d s: program %.3f%% of one core, wineserver %.3f%%\n", t, 100 * p / hz / t, 100 * s / hz / t }'
