#!/bin/sh
# Renders every custom control in every state to a PNG picture, the windows
# in every shipped skin to a second one beside it (skins.png), and every
# window at 150 % display scale to a third (scale150.png).
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
scaled="$(dirname "$out")/scale150.png"
scaled_bmp="$(dirname "$out")/scale150.bmp"
wine "$build/skin_gallery.exe" "$(winepath -w data)" "$(winepath -w "$bmp")" "$(winepath -w "$scaled_bmp")" </dev/null
convert "$bmp" "$skins"
convert "$scaled_bmp" "$scaled"
rm -f "$bmp" "$scaled_bmp"
echo "Skins: $skins"
echo "150 %: $scaled"
