#!/bin/sh
# Runs the 64-bit build's tests under Wine inside one virtual display.
set -u
build="$1"; shift
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$build/wineprefix" || exit 1
trap kn_wine_stop EXIT INT TERM
cd "$build" && ctest --output-on-failure "$@"
