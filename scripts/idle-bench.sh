# Sourced by bench.sh inside a running Wine session (kn_wine_start): measures
# the processor time the program and its wineserver take while the program
# waits, in six situations, beside a peer program on the same display.
#
#   KN_IDLE_SECONDS  measured seconds per situation (default 60)
#   KN_IDLE_WARMUP   seconds before measuring (default 10)
#   KN_IDLE_RUNS     how many times to measure all six (default 1)
#   KN_STRACE_SECONDS  seconds of system-call counting per situation (default
#                    20; 0 skips it)
#   KN_IDLE_EXE      the program to measure (default: the build's KalvexNow.exe)
#   KN_IDLE_BEFORE_EXE  an earlier build to measure in turn with it, each
#                    situation one after the other, so both see the same machine
#
# Times are the processes' own on-CPU time from /proc (every thread's
# schedstat, in ns; utime+stime ticks where schedstat is missing), so a busy
# machine disturbs them far less than it would wall-clock timings.

kn_idle_usage_ns() { # pid -> ns on CPU so far, all threads
  total=0; seen=0
  for f in /proc/"$1"/task/*/schedstat; do
    [ -r "$f" ] || continue
    read -r ns _ < "$f" 2>/dev/null || continue
    total=$((total + ns)); seen=1
  done
  if [ "$seen" -eq 0 ]; then
    hz=$(getconf CLK_TCK)
    total=$(awk -v hz="$hz" '{ printf "%.0f", ($14 + $15) * 1e9 / hz }' /proc/"$1"/stat 2>/dev/null || echo 0)
  fi
  echo "$total"
}

kn_idle_wakes() { # pid -> times any of its threads was switched in so far
  awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }' /proc/"$1"/task/*/status 2>/dev/null || echo 0
}

kn_idle_snapshot() { # pids... -> "pid:ns" words
  for p in "$@"; do [ -d "/proc/$p" ] && printf '%s:%s ' "$p" "$(kn_idle_usage_ns "$p")"; done
  return 0
}

kn_idle_grown_ns() { # snapshot -> ns the still running ones took since
  sum=0
  for pair in $1; do
    p=${pair%%:*}
    [ -d "/proc/$p" ] && sum=$((sum + $(kn_idle_usage_ns "$p") - ${pair#*:}))
  done
  echo "$sum"
}

# The wineserver of our own prefix: it works in a folder named after the
# prefix's device and inode (server-<dev>-<inode>, both hexadecimal).
kn_idle_server_pid() {
  want=$(printf 'server-%s-%x' "$(stat -c %D "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for p in $(pgrep -x wineserver64 || true) $(pgrep -x wineserver || true); do
    [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$want" ] && { echo "$p"; return 0; }
  done
  echo "no wineserver for $WINEPREFIX" >&2
  return 1
}

# Wine's own helpers of our prefix (explorer.exe keeps the tray icon): every
# other Windows process that carries our WINEPREFIX (the X server and the
# peer carry it too, having been started from this shell).
kn_idle_helper_pids() { # excluded pids...
  for d in /proc/[0-9]*; do
    p=${d#/proc/}
    case " $* " in *" $p "*) continue ;; esac
    case "$(cat "$d/comm" 2>/dev/null)" in *.exe) ;; *) continue ;; esac
    if tr '\0' '\n' 2>/dev/null <"$d/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then echo "$p"; fi
  done 2>/dev/null
  return 0
}

kn_idle_percent() { # ns seconds -> percent of one core
  awk -v ns="$1" -v s="$2" 'BEGIN { printf "%.3f", 100 * ns / 1e9 / s }'
}

kn_idle_ratio() { # ours peer -> "N.Nx" or "inf"
  awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) print "inf"; else printf "%.0fx", a / b }'
}

# Settings for the run: a 60 s window at level 0 and the Standby action, so
# an armed CPU trigger fires only on a minute without any load, and even then
# only asks for Standby (which Wine accepts and ignores); the network trigger
# needs ten minutes of quiet, longer than any situation is measured.
kn_idle_settings() {
  dir="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Kalvex Now!"
  mkdir -p "$dir"
  printf '[OPTIONS]\r\nRadioButtonDate=0\r\nRadioButtonCounter=1\r\nDaysComboBox=0\r\nComboBoxCPULoad=0\r\nComboBoxCPULoadTime=11\r\nActionComboBox=3\r\nSkinComboBox=0\r\nNetQuietLevel=1\r\nNetQuietSeconds=600\r\n' \
    > "$dir/settings.ini"
}

kn_idle_peer_start() {
  KN_PEER_PID=""
  command -v kshutdown >/dev/null 2>&1 || { echo "peer: kshutdown is not installed (make bench installs it)"; return 0; }
  peerHome="$KN_IDLE_DIR/peer-home"
  mkdir -p "$peerHome/config" "$peerHome/runtime"; chmod 700 "$peerHome/runtime"
  XDG_CONFIG_HOME="$peerHome/config" XDG_RUNTIME_DIR="$peerHome/runtime" kshutdown >/dev/null 2>&1 &
  KN_PEER_PID=$!
  i=0
  until KN_PEER_WINDOW=$(xdotool search --onlyvisible --class kshutdown 2>/dev/null | head -n 1) && [ -n "$KN_PEER_WINDOW" ]; do
    i=$((i + 1)); [ $i -gt 200 ] && { echo "peer: no window" >&2; break; }
    sleep 0.1
  done
}

kn_idle_peer_stop() {
  [ -n "${KN_PEER_PID:-}" ] && kill "$KN_PEER_PID" 2>/dev/null && wait "$KN_PEER_PID" 2>/dev/null || true
  KN_PEER_PID=""
}

# Hiding the peer: without a notification area on the virtual display the
# nearest thing is an unmapped window, which it no longer has to draw.
kn_idle_peer_show() { [ -n "${KN_PEER_WINDOW:-}" ] && xdotool windowmap "$KN_PEER_WINDOW" 2>/dev/null || true; }
kn_idle_peer_hide() { [ -n "${KN_PEER_WINDOW:-}" ] && xdotool windowunmap "$KN_PEER_WINDOW" 2>/dev/null || true; }

# The job the program-closes trigger waits for: a copy of the stand-in player
# under a name of its own, which runs until the situation ends.
KN_IDLE_JOB=kn-idle-job.exe
kn_idle_job_start() {
  cp "$KN_IDLE_WIN/StandInPlayer.exe" "$KN_IDLE_DIR/$KN_IDLE_JOB"
  wine "$KN_IDLE_DIR/$KN_IDLE_JOB" </dev/null >/dev/null 2>&1 &
  KN_JOB_PID=$!
  sleep 2
}

# Starts the program and brings it into a situation: shown, hidden, cpu,
# timer (a countdown of twelve hours), net or program (waiting for the job).
kn_idle_program_start() { # situation [exe]
  options=""
  case "$1" in
    timer) options="-countdown=12:00:00" ;;
    program) kn_idle_job_start; options="-process=$KN_IDLE_JOB" ;;
  esac
  wine "${2:-${KN_IDLE_EXE:-$KN_IDLE_WIN/KalvexNow.exe}}" $options </dev/null >/dev/null 2>&1 &
  KN_PROGRAM_PID=$!
  wine "$KN_IDLE_WIN/idle_driver.exe" shown </dev/null || return 1
  case "$1" in
    hidden | timer | program) wine "$KN_IDLE_WIN/idle_driver.exe" hide </dev/null ;;
    cpu) wine "$KN_IDLE_WIN/idle_driver.exe" arm-cpu </dev/null && wine "$KN_IDLE_WIN/idle_driver.exe" hide </dev/null ;;
    net) wine "$KN_IDLE_WIN/idle_driver.exe" arm-net </dev/null && wine "$KN_IDLE_WIN/idle_driver.exe" hide </dev/null ;;
  esac
}

kn_idle_program_stop() {
  kill "$KN_PROGRAM_PID" 2>/dev/null || true
  wait "$KN_PROGRAM_PID" 2>/dev/null || true
  if [ -n "${KN_JOB_PID:-}" ]; then
    kill "$KN_JOB_PID" 2>/dev/null || true
    wait "$KN_JOB_PID" 2>/dev/null || true
    KN_JOB_PID=""
  fi
}

kn_idle_row() { # label program% server% ours% above program-wakes server-wakes helpers x peer ratio state
  printf '%-30s %7s %7s %7s %7s | %7s %7s | %7s %7s | %7s %6s  %s\n' "$@"
}

kn_idle_per_second() { # count seconds
  awk -v n="$1" -v s="$2" 'BEGIN { printf "%.1f", n / s }'
}

# One situation: prints one table row.
kn_idle_measure() { # situation label [exe]
  kn_idle_program_start "$1" "${3:-}" || { echo "$2: could not set up"; kn_idle_program_stop; return 0; }
  case "$1" in shown) kn_idle_peer_show ;; hidden | timer | program) kn_idle_peer_hide ;; esac
  sleep "$KN_IDLE_WARMUP"
  server=$(kn_idle_server_pid)
  helpers=$(kn_idle_helper_pids "$KN_PROGRAM_PID" "$server")
  p0=$(kn_idle_usage_ns "$KN_PROGRAM_PID"); s0=$(kn_idle_usage_ns "$server")
  pw0=$(kn_idle_wakes "$KN_PROGRAM_PID"); sw0=$(kn_idle_wakes "$server")
  helpers0=$(kn_idle_snapshot $helpers); x0=$(kn_idle_usage_ns "$KN_XVFB_PID")
  k0=0; [ -n "$KN_PEER_PID" ] && [ "$1" != cpu ] && k0=$(kn_idle_usage_ns "$KN_PEER_PID")
  sleep "$KN_IDLE_SECONDS"
  p1=$(kn_idle_usage_ns "$KN_PROGRAM_PID"); s1=$(kn_idle_usage_ns "$server")
  pw1=$(kn_idle_wakes "$KN_PROGRAM_PID"); sw1=$(kn_idle_wakes "$server")
  helpersNs=$(kn_idle_grown_ns "$helpers0"); x1=$(kn_idle_usage_ns "$KN_XVFB_PID")
  k1=0; [ -n "$KN_PEER_PID" ] && [ "$1" != cpu ] && k1=$(kn_idle_usage_ns "$KN_PEER_PID")
  state=$(wine "$KN_IDLE_WIN/idle_driver.exe" state </dev/null 2>&1 | tr -d '\r')
  kn_idle_program_stop
  t=$KN_IDLE_SECONDS
  ours=$(( (p1 - p0) + (s1 - s0) ))
  if [ -n "$KN_PEER_PID" ] && [ "$1" != cpu ]; then
    peer=$(kn_idle_percent $((k1 - k0)) "$t"); ratio=$(kn_idle_ratio "$ours" $((k1 - k0)))
  else
    peer="-"; ratio="-"
  fi
  kn_idle_row "$2" "$(kn_idle_percent $((p1 - p0)) "$t")" "$(kn_idle_percent $((s1 - s0)) "$t")" \
    "$(kn_idle_percent "$ours" "$t")" "$(kn_idle_percent $((ours - KN_IDLE_FLOOR_NS)) "$t")" \
    "$(kn_idle_per_second $((pw1 - pw0)) "$t")" "$(kn_idle_per_second $((sw1 - sw0)) "$t")" \
    "$(kn_idle_percent "$helpersNs" "$t")" "$(kn_idle_percent $((x1 - x0)) "$t")" "$peer" "$ratio" "$state"
}

# Each situation for the program and, when given, the earlier build in turn.
kn_idle_measure_both() { # situation label
  if [ -n "${KN_IDLE_BEFORE_EXE:-}" ]; then
    kn_idle_measure "$1" "$2, before" "$KN_IDLE_BEFORE_EXE"
    kn_idle_measure "$1" "$2, now"
  else
    kn_idle_measure "$1" "$2"
  fi
}

# The same row without the program: what the wineserver and Wine's helpers
# take on their own, which no program of the prefix can lower.
kn_idle_baseline() {
  kn_idle_peer_show
  sleep "$KN_IDLE_WARMUP"
  server=$(kn_idle_server_pid)
  helpers0=$(kn_idle_snapshot $(kn_idle_helper_pids "$server"))
  s0=$(kn_idle_usage_ns "$server"); sw0=$(kn_idle_wakes "$server"); x0=$(kn_idle_usage_ns "$KN_XVFB_PID")
  sleep "$KN_IDLE_SECONDS"
  s1=$(kn_idle_usage_ns "$server"); sw1=$(kn_idle_wakes "$server"); x1=$(kn_idle_usage_ns "$KN_XVFB_PID")
  helpersNs=$(kn_idle_grown_ns "$helpers0")
  t=$KN_IDLE_SECONDS
  # The rows below count their wineserver's time above this.
  KN_IDLE_FLOOR_NS=$(( (s1 - s0) ))
  kn_idle_row "no program (Wine alone)" - "$(kn_idle_percent $((s1 - s0)) "$t")" \
    "$(kn_idle_percent $((s1 - s0)) "$t")" 0.000 - "$(kn_idle_per_second $((sw1 - sw0)) "$t")" \
    "$(kn_idle_percent "$helpersNs" "$t")" "$(kn_idle_percent $((x1 - x0)) "$t")" - - ""
}

# System calls per second of the program and of its wineserver, per situation.
kn_idle_strace_one() { # pid seconds label
  out="$KN_IDLE_DIR/strace-$1.txt"
  timeout -s INT "$2" strace -c -f -q -p "$1" -o "$out" >/dev/null 2>&1 || true
  # strace -c rows: % time, seconds, usecs/call, calls, [errors,] syscall.
  awk -v s="$2" -v who="$3" '
    $1 ~ /^[0-9.]+$/ && NF >= 5 && $NF != "total" { calls[$NF] = $4; total += $4 }
    END {
      printf "  %-10s %7.1f/s:", who, total / s
      for (shown = 0; shown < 6; shown++) {
        best = ""; for (k in calls) if (best == "" || calls[k] > calls[best]) best = k
        if (best == "") break
        printf " %s %.1f", best, calls[best] / s; delete calls[best]
      }
      printf "\n"
    }' "$out"
}

kn_idle_strace() { # situation label [exe]
  command -v strace >/dev/null 2>&1 || return 0
  kn_idle_program_start "$1" "${3:-}" || { kn_idle_program_stop; return 0; }
  sleep "$KN_IDLE_WARMUP"
  server=$(kn_idle_server_pid)
  echo "$2 (system calls per second over $KN_STRACE_SECONDS s):"
  kn_idle_strace_pair "$KN_PROGRAM_PID" program "$server"
  kn_idle_program_stop
}

# Counts a process and the wineserver at the same time.
kn_idle_strace_pair() { # pid label server-pid
  kn_idle_strace_one "$3" "$KN_STRACE_SECONDS" wineserver > "$KN_IDLE_DIR/strace-server.txt" &
  serverCount=$!
  kn_idle_strace_one "$1" "$KN_STRACE_SECONDS" "$2"
  wait "$serverCount" || true
  cat "$KN_IDLE_DIR/strace-server.txt"
}

# The thread timer alone: a bare 250 ms timer ticking in an otherwise empty
# program, so the count is what delivering the ticks costs.
kn_idle_timer_strace() {
  command -v strace >/dev/null 2>&1 || return 0
  [ -f "$KN_IDLE_WIN/timer_idle_bench.exe" ] || return 0
  seconds=$((KN_STRACE_SECONDS < 20 ? 20 : KN_STRACE_SECONDS))
  wine "$KN_IDLE_WIN/timer_idle_bench.exe" $((2 * seconds + 10)) </dev/null >/dev/null 2>&1 &
  timerPid=$!
  sleep 3
  server=$(kn_idle_server_pid)
  t0=$(kn_idle_usage_ns "$timerPid"); s0=$(kn_idle_usage_ns "$server")
  sleep "$seconds"
  t1=$(kn_idle_usage_ns "$timerPid"); s1=$(kn_idle_usage_ns "$server")
  echo "bare 250 ms thread timer: program $(kn_idle_percent $((t1 - t0)) "$seconds")%," \
    "wineserver $(kn_idle_percent $((s1 - s0)) "$seconds")% of one core over $seconds s;"
  echo "  system calls per second over $KN_STRACE_SECONDS s (4 ticks a second):"
  kn_idle_strace_pair "$timerPid" timer "$server"
  kill "$timerPid" 2>/dev/null || true
  wait "$timerPid" 2>/dev/null || true
}

kn_idle_bench() { # win64-build-dir
  KN_IDLE_WIN="$1"
  KN_IDLE_DIR="$1/idle-bench"; mkdir -p "$KN_IDLE_DIR"
  KN_IDLE_SECONDS="${KN_IDLE_SECONDS:-60}"; KN_IDLE_WARMUP="${KN_IDLE_WARMUP:-10}"
  KN_STRACE_SECONDS="${KN_STRACE_SECONDS:-20}"
  runs="${KN_IDLE_RUNS:-1}"
  # A desktop session loads an X resource database; bare Xvfb has none, and
  # then Xlib looks for one in the home folder at every font selection (two
  # file opens and a host-name query each time), which no desktop pays.
  printf 'Xft.dpi: 96\n' > "$KN_IDLE_DIR/Xresources"
  export XENVIRONMENT="$KN_IDLE_DIR/Xresources"
  if [ ! -f "$KN_IDLE_WIN/idle_driver.exe" ]; then echo "idle: idle_driver.exe is not built"; return 0; fi
  kn_idle_settings
  kn_idle_peer_start
  echo "Processor use while waiting, % of one core over $KN_IDLE_SECONDS s after $KN_IDLE_WARMUP s;"
  echo "ours = program + its wineserver; above = ours less the wineserver's time with no program"
  echo "(its 16 ms housekeeping wake-up); wakes = thread switch-ins per second; helpers = the"
  echo "prefix's other Wine processes; peer = kshutdown."
  echo "Load on the machine now: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"
  run=1
  while [ "$run" -le "$runs" ]; do
    echo "run $run of $runs"
    kn_idle_row situation program server ours above wakes "(server)" helpers "X" peer ratio "state at end"
    kn_idle_baseline
    kn_idle_measure_both shown "nothing armed, shown"
    kn_idle_measure_both hidden "nothing armed, hidden"
    kn_idle_measure_both cpu "CPU armed, hidden"
    kn_idle_measure_both timer "timer armed, hidden"
    kn_idle_measure_both program "program armed, hidden"
    kn_idle_measure_both net "network armed, hidden"
    run=$((run + 1))
  done
  if [ "$KN_STRACE_SECONDS" -gt 0 ] && command -v strace >/dev/null 2>&1; then
    echo "no program (system calls per second over $KN_STRACE_SECONDS s):"
    kn_idle_strace_one "$(kn_idle_server_pid)" "$KN_STRACE_SECONDS" wineserver
    for situation in "shown:nothing armed, shown" "hidden:nothing armed, hidden" "cpu:CPU armed, hidden" \
      "timer:timer armed, hidden" "net:network armed, hidden" "program:program armed, hidden"; do
      if [ -n "${KN_IDLE_BEFORE_EXE:-}" ]; then
        kn_idle_strace "${situation%%:*}" "${situation#*:}, before" "$KN_IDLE_BEFORE_EXE"
        kn_idle_strace "${situation%%:*}" "${situation#*:}, now"
      else
        kn_idle_strace "${situation%%:*}" "${situation#*:}"
      fi
    done
    kn_idle_timer_strace
  fi
  kn_idle_peer_stop
}
