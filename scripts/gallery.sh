#!/bin/sh
# Renders every custom control in every state to a PNG picture, the windows
# in every shipped skin to a second one beside it (skins.png), every window at
# 150 % display scale to a third (scale150.png), and the README's picture
# (three skins at 100 %) to docs/skins.png.
set -eu
build="$1"; out="$2"
. "$(dirname "$0")/wine-session.sh"
kn_wine_start "$build/wineprefix"
trap kn_wine_stop EXIT INT TERM
folder="$(dirname "$out")"
bmp="$folder/gallery.bmp"
wine "$build/gallery.exe" "$bmp" </dev/null
convert "$bmp" "$out"
rm -f "$bmp"
echo "Gallery: $out"
skins="$folder/skins.png"
scaled="$folder/scale150.png"
readme="docs/skins.png"
scaled_bmp="$folder/scale150.bmp"
readme_bmp="$folder/readme.bmp"
wine "$build/skin_gallery.exe" "$(winepath -w data)" "$(winepath -w "$bmp")" \
    "$(winepath -w "$scaled_bmp")" "$(winepath -w "$readme_bmp")" </dev/null
convert "$bmp" "$skins"
convert "$scaled_bmp" "$scaled"
# Full size and full colour; no time stamps, so an unchanged picture stays unchanged.
convert "$readme_bmp" -strip -define png:compression-level=9 "$readme"
rm -f "$bmp" "$scaled_bmp" "$readme_bmp"
echo "Skins: $skins"
echo "150 %: $scaled"
echo "README: $readme"
