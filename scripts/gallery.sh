#!/bin/sh
# Renders every custom control in every state to a PNG picture, and the
# windows in every shipped skin to a second one beside it (skins.png).
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
skins="$(dirname "$out")/skins.png"
wine "$build/skin_gallery.exe" "$(winepath -w data)" "$(winepath -w "$bmp")" </dev/null
convert "$bmp" "$skins"
rm -f "$bmp"
echo "Skins: $skins"
