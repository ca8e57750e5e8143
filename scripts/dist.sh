#!/bin/sh
# Packs the release exe with its data folder and the tile maker for skin
# authors, ready to unpack on Windows.
set -eu
exe="$1"; zip="$2"
stage="$(dirname "$zip")/dist/KalvexNow"
rm -rf "$stage" "$zip"
mkdir -p "$stage"
cp "$exe" "$stage/"
cp "$(dirname "$exe")/MakeTile.exe" "$stage/"
cp -r data/. "$stage/"
(cd "$stage/.." && zip -qr "$(cd - >/dev/null && cd "$(dirname "$zip")" && pwd)/$(basename "$zip")" KalvexNow -x '*.keep')
echo "Package: $zip"
