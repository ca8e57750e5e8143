#!/bin/sh
# Starts the built program at 96, 120, 144 and 192 DPI and checks that the
# main window and every control in it start at their 96-DPI places times the
# scale (within a pixel), in the program's font at the scaled size. Wine
# applies its LogPixels setting to the whole prefix, so this runs in a prefix
# of its own, beside whatever else uses the test session's display.
#
#   display-scale-test.sh <build folder>
# Leaves the rectangles, the font trace and a picture of the window at each
# scale in <build folder>/display-scale/.
set -u
build=$(cd "$1" && pwd)
out="$build/display-scale"
rm -rf "$out" && mkdir -p "$out"
export WINEPREFIX="$build/dpiprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
[ -n "${DISPLAY:-}" ] || { echo "no display" >&2; exit 1; }

# The program's font at 8 point: -11 pixels at 96 DPI.
design_font=11

setup_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null
  fi
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

stop_prefix() { wineserver -k 2>/dev/null || true; }
trap stop_prefix EXIT
trap 'exit 1' INT TERM

setup_prefix
failures=0
for dpi in 96 120 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f </dev/null >/dev/null 2>&1
  WINEDEBUG=trace+font wine "$build/dpi_probe.exe" "$build/KalvexNow.exe" "$(winepath -w "$out/rects-$dpi.txt")" \
    "$(winepath -w "$out/main-$dpi.bmp")" </dev/null 2>"$out/font-$dpi.log"
  if [ ! -s "$out/rects-$dpi.txt" ]; then
    echo "$dpi DPI: the program's window was not found"; failures=$((failures + 1)); continue
  fi
  # Every font the program makes at the design size is made at the scaled one.
  want=$(( (design_font * dpi + 48) / 96 ))
  if grep -q "MS Sans Serif" "$out/font-$dpi.log" && ! grep -E "\(-$want [0-9-]+ .*MS Sans Serif" "$out/font-$dpi.log" >/dev/null; then
    echo "$dpi DPI: no MS Sans Serif font of height -$want"; failures=$((failures + 1))
  fi
  [ $dpi = 96 ] && continue
  # Each number within a pixel of its 96-DPI value times the scale.
  if ! awk -v dpi=$dpi '
      NR == FNR { base[FNR] = $0; next }
      {
        n = split(base[FNR], b, " "); split($0, a, " ")
        if (a[1] != b[1]) { printf "line %d: %s where %s was\n", FNR, a[1], b[1]; bad = 1; next }
        for (i = 2; i <= n; i++) {
          want = b[i] * dpi / 96
          # The virtual screen is 1024 x 768: no window is made larger than it.
          if (a[1] == "client" && ((i == 2 && want >= 1000) || (i == 3 && want >= 730))) continue
          if (a[i] - want > 1.0001 || want - a[i] > 1.0001) {
            printf "line %d (%s) field %d: %d, want %.1f\n", FNR, a[1], i, a[i], want; bad = 1
          }
        }
      }
      END { exit bad }' "$out/rects-96.txt" "$out/rects-$dpi.txt"; then
    echo "$dpi DPI: rectangles are not scaled"; failures=$((failures + 1))
  fi
done
for f in "$out"/*.bmp; do convert "$f" "${f%.bmp}.png" 2>/dev/null && rm -f "$f"; done
if [ $failures -eq 0 ]; then
  echo "display scale: window and controls scaled at 120, 144 and 192 DPI"
else
  echo "display scale: $failures checks failed (see $out)"
  exit 1
fi
