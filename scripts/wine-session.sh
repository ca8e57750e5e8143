# Sourced: one Xvfb and one persistent wineserver for a whole run.
# Usage: kn_wine_start <prefix-dir>; ...; kn_wine_stop
# The order matters: a wineserver started before the display keeps a desktop
# without one, and without the warm-up command a persistent server hangs ctest.

kn_wine_start() {
  export WINEPREFIX="$(mkdir -p "$1" && cd "$1" && pwd)"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -k 2>/dev/null || true
  n=99
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n - 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  KN_XVFB_PID=$!
  export DISPLAY=":$n"
  i=0
  until xdpyinfo >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  wineserver -p
  fresh=""
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1
    fresh=1
  fi
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/.kn-fonts" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null; touch "$fonts/.kn-fonts"
  fi
  # Unmanaged windows: without a window manager DestroyWindow would wait 2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  # Setting up a new prefix leaves two sets of Wine's services running, which
  # keep the server busy for minutes: start again with one.
  if [ -n "$fresh" ]; then
    wineserver -k
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
  fi
}

kn_wine_stop() {
  wineserver -k 2>/dev/null || true
  [ -n "${KN_XVFB_PID:-}" ] && kill "$KN_XVFB_PID" 2>/dev/null || true
  wait "${KN_XVFB_PID:-}" 2>/dev/null || true
}
