#!/bin/sh
# Packs the release exe with its data folder, ready to unpack on Windows.
set -eu
exe="$1"; zip="$2"
stage="$(dirname "$zip")/dist/KalvexNow"
rm -rf "$stage" "$zip"
mkdir -p "$stage"
cp "$exe" "$stage/"
cp -r data/. "$stage/"
(cd "$stage/.." && zip -qr "$(cd - >/dev/null && cd "$(dirname "$zip")" && pwd)/$(basename "$zip")" KalvexNow -x '*.keep')
echo "Package: $zip"
