#!/bin/sh
# Installs whatever part of the toolchain is missing (Debian 12, as root), or
# of the packages named as arguments (the benchmarks' own).
set -eu
packages="${*:-cmake make g++ clang libclang-rt-14-dev clang-format
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
  googletest libgtest-dev libbenchmark-dev zip xinetd}"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root, or install these packages first:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
# wine32 must stay away: this kernel cannot run 32-bit Linux binaries.
if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing; } >"$log" 2>&1; then
  cat "$log" >&2; rm -f "$log"; exit 1
fi
rm -f "$log"
