#!/bin/sh
# Renders every custom control in every state to a PNG picture.
set -eu
build="$1"; out="$2"
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$build/wineprefix"
trap kn_wine_stop EXIT INT TERM
bmp="$(dirname "$out")/gallery.bmp"
wine "$build/gallery.exe" "$bmp" </dev/null
convert "$bmp" "$out"
rm -f "$bmp"
echo "Gallery: $out"
