#!/bin/sh
# Installs what only the benchmarks need (Debian 12, as root): the peer
# program measured beside ours and the system-call tracer. Never part of the
# test dependencies.
set -eu
packages="kshutdown strace xdotool"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing for the benchmarks:$missing"
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root, or install these packages first:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing; } >"$log" 2>&1; then
  cat "$log" >&2; rm -f "$log"; exit 1
fi
rm -f "$log"
