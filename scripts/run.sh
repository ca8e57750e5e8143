#!/bin/sh
# Starts the program under Wine. Without a display it runs it on a virtual
# one, saves a screenshot of the desktop and ends it.
set -eu
build="$1"
# The program finds its servers and skins beside itself: run a copy that has them.
run="$build/run"
mkdir -p "$run"
cp "$build/win64/KalvexNow.exe" "$run/"
cp -r data/. "$run/"
exe="$run/KalvexNow.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  WINEPREFIX="$(pwd)/$build/run-prefix" WINEDEBUG=-all exec wine "$exe"
fi
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$build/run-prefix"
trap kn_wine_stop EXIT INT TERM
wine "$exe" </dev/null >/dev/null 2>&1 &
sleep "${KN_SCREENSHOT_DELAY:-6}"
import -window root "$build/screenshot.png"
echo "Screenshot: $build/screenshot.png"
