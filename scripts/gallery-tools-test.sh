#!/bin/sh
# The gallery renderers still run to the end on the current program: each
# writes its pictures, and the skin gallery finds every shipped skin.
#   gallery-tools-test.sh <build folder>
set -u
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
out="$build/gallery-tools"
rm -rf "$out" && mkdir -p "$out"
failed=0

check_picture() {
    # A BMP file begins with "BM".
    [ "$(head -c 2 "$1" 2>/dev/null)" = "BM" ] || { echo "no picture in $1"; failed=1; }
}

timeout 120 wine "$build/gallery.exe" "$(winepath -w "$out/controls.bmp")" </dev/null ||
    { echo "gallery.exe failed"; failed=1; }
check_picture "$out/controls.bmp"

said=$(timeout 120 wine "$build/skin_gallery.exe" "$(winepath -w "$source/data")" "$(winepath -w "$out/skins.bmp")" \
    "$(winepath -w "$out/scaled.bmp")" "$(winepath -w "$out/readme.bmp")" </dev/null) ||
    { echo "skin_gallery.exe failed"; failed=1; }
for picture in skins scaled readme; do check_picture "$out/$picture.bmp"; done
shipped=$(ls "$source"/data/skins/*.ini | wc -l)
echo "$said" | tr -d "\r" | grep -qx "$shipped skins" || { echo "skin_gallery said \"$said\", not \"$shipped skins\""; failed=1; }
exit $failed
