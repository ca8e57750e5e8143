#!/bin/sh
# Faults injected from outside into the built KalvexNow.exe under Wine: kills in
# the middle of a save, two copies closing at once, a full disk and broken
# settings files. Prints one line per fault; fails when any run leaves a
# settings file that is neither the old one nor a complete new one.
#
#   faults.sh [--short] [--in-session] [--exe PATH] <build folder>
#
#   --short       20 kills and 5 pairs instead of 200 and 20
#                 (KN_FAULT_KILLS and KN_FAULT_PAIRS set either)
#   --in-session  use the Wine session that runs already (ctest's) instead of
#                 starting one for the build's prefix
#   --exe PATH    measure another build of the program the same way
#   KN_FAULT_SEED fixes the random moments of the kills (printed with them).
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/faults-lib.sh"

short=0
in_session=0
exe=""
while [ $# -gt 1 ]; do
  case "$1" in
    --short) short=1 ;;
    --in-session) in_session=1 ;;
    --exe) shift; exe="$1" ;;
    *) echo "unknown option $1" >&2; exit 1 ;;
  esac
  shift
done
[ $# -eq 1 ] || { echo "usage: $0 [--short] [--in-session] [--exe PATH] <build folder>" >&2; exit 1; }
build=$(cd "$1" && pwd)
exe=${exe:-$build/KalvexNow.exe}
exe="$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")"
probe="$build/faultprobe.exe"
if [ $short = 1 ]; then
  kills=${KN_FAULT_KILLS:-20}; pairs=${KN_FAULT_PAIRS:-5}
else
  kills=${KN_FAULT_KILLS:-200}; pairs=${KN_FAULT_PAIRS:-20}
fi
seed=${KN_FAULT_SEED:-$(date +%s)}
work="$build/faults"
rm -rf "$work" && mkdir -p "$work"

if [ $in_session = 0 ]; then
  . "$here/wine-session.sh"
  kn_wine_start "$build/wineprefix" || exit 1
fi
export WINEDEBUG=-all
trap faults_cleanup EXIT
trap 'exit 1' INT TERM
faults_take_settings_folder || exit 1

printf 'program: %s\nsettings: %s\n' "$exe" "$file"
faults_kills "$kills" "$seed"
faults_stale_copy
faults_pairs "$pairs"
faults_full_disk
faults_bad_content
echo
if [ "$failures" -eq 0 ]; then
  echo "faults: every run left a valid settings file"
else
  echo "faults: $failures checks failed (files kept in $work)"
  exit 1
fi
