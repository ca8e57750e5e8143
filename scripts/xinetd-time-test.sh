#!/bin/sh
# End to end against a time server nobody here wrote: xinetd's built-in time
# service (RFC 868 over TCP), started on a free loopback port with its own
# configuration and stopped afterwards. Runs the test program's xinetd cases
# with the port in KN_XINETD_TIME_PORT.
set -u
exe="$1"
command -v xinetd >/dev/null 2>&1 || { echo "xinetd is not installed (make deps)" >&2; exit 1; }
dir=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

# True once something listens on 127.0.0.1:$1 (state 0A in /proc/net/tcp).
listening() {
  hex=$(printf '%04X' "$1")
  grep -q "0100007F:$hex 00000000:0000 0A" /proc/net/tcp
}

port=""
for try in 1 2 3 4 5; do
  candidate=$((20000 + $(od -An -N2 -tu2 /dev/urandom) % 40000))
  listening "$candidate" && continue
  cat >"$dir/xinetd.conf" <<CONF
service time
{
  type        = INTERNAL UNLISTED
  id          = kn-time-stream
  socket_type = stream
  protocol    = tcp
  user        = $(id -un)
  wait        = no
  bind        = 127.0.0.1
  port        = $candidate
  disable     = no
}
CONF
  xinetd -dontfork -f "$dir/xinetd.conf" -pidfile "$dir/pid" -filelog "$dir/log" &
  pid=$!
  i=0
  while [ $i -lt 50 ] && kill -0 "$pid" 2>/dev/null && ! listening "$candidate"; do
    i=$((i + 1)); sleep 0.1
  done
  if listening "$candidate"; then port=$candidate; break; fi
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""
done
[ -n "$port" ] || { echo "xinetd did not start" >&2; cat "$dir/log" >&2 2>/dev/null; exit 1; }

KN_XINETD_TIME_PORT=$port sh "$(dirname "$0")/wine-exec.sh" "$exe" --gtest_filter='XinetdTimeService.*' </dev/null
