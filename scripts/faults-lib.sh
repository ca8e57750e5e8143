# Sourced by faults.sh: running the program from outside and the fault rounds.
# Expects $exe, $probe, $work; sets $folder, $file, $winfile and counts $failures.

failures=0
pids=""
folder=""
backup=""
mounted=0
# Tenths of a second a program may take to close before it counts as hung.
patience=200

. "$here/faults-content.sh"

fail() {
  failures=$((failures + 1))
  printf '  FAIL: %s\n' "$*"
}

# The prefix's settings folder is moved aside for the run and put back after it.
faults_take_settings_folder() {
  winfolder=$(wine "$probe" folder </dev/null 2>/dev/null | tr -d '\r')
  [ -n "$winfolder" ] || { echo "faultprobe cannot name the settings folder" >&2; return 1; }
  folder=$(winepath -u "$winfolder" 2>/dev/null | tr -d '\r')
  folder=${folder%/}
  [ -n "$folder" ] || { echo "no Unix path for $winfolder" >&2; return 1; }
  backup="$folder.faults-backup"
  # A run that was cut short left the user's folder aside: put it back first.
  if [ -d "$backup" ]; then rm -rf "$folder" && mv "$backup" "$folder"; fi
  if [ -e "$folder" ]; then mv "$folder" "$backup"; fi
  mkdir -p "$folder"
  file="$folder/settings.ini"
  winfile="$winfolder\\settings.ini"
}

faults_cleanup() {
  for p in $pids; do kill -9 "$p" 2>/dev/null; done
  if [ $mounted = 1 ]; then umount "$folder" 2>/dev/null; fi
  if [ -n "$folder" ]; then
    rm -rf "$folder"
    if [ -d "$backup" ]; then mv "$backup" "$folder"; fi
  fi
  if [ "${in_session:-1}" = 0 ]; then kn_wine_stop; fi
}

# Starts one copy of the program; its process is $started.
start_program() {
  wine "$exe" </dev/null >/dev/null 2>&1 &
  started=$!
  pids="$pids $started"
}

# Only copies that may still run are ended at exit: the number of one that
# was waited for may belong to another process by then.
forget_program() {
  pids=$(echo " $pids " | sed "s/ $1 / /")
}

# A child that has ended stays a zombie until waited for.
running() {
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
  [ -n "$state" ] && [ "$state" != Z ]
}

# Waits until the program ends; one that hangs is killed and the wait fails.
finish_program() {
  n=0
  while running "$1"; do
    n=$((n + 1))
    if [ $n -gt $((patience * 5)) ]; then
      kill -9 "$1" 2>/dev/null
      wait "$1" 2>/dev/null
      forget_program "$1"
      return 1
    fi
    sleep 0.02
  done
  wait "$1" 2>/dev/null
  forget_program "$1"
  return 0
}

temporary_files() { ls "$folder" | grep '\.tmp$' || true; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One copy closed normally; prints how many milliseconds it took after the request.
close_normally() { # <action or empty>
  start_program
  pid=$started
  wine "$probe" close 1 $1 </dev/null 2>/dev/null | grep -q posted || fail "the window did not come"
  t0=$(now_ms)
  finish_program "$pid" || fail "the program did not end after closing"
  echo $(($(now_ms) - t0))
}

# The old file: 2,000 foreign lines so that a save takes a while, and values
# that the program corrects on loading, so that the new file differs.
write_old_settings() {
  {
    printf '[OPTIONS]\r\nRadioButtonDate=0\r\nRadioButtonCounter=1\r\nDaysComboBox=400\r\n'
    printf 'ComboBoxCPULoad=10\r\nComboBoxCPULoadTime=99\r\nNote=keep me\r\n'
    printf 'DateTimePickerReverseTime= 3.77930416666667E+0004\r\nActionComboBox=7\r\nSkinComboBox=0\r\n'
    awk 'BEGIN { printf "[Notes]\r\n"; for (i = 1; i <= 2000; i++) printf "Line%04d=a foreign line the program must keep\r\n", i }'
  } >"$1"
}

classify() { # old | new | broken
  if cmp -s "$file" "$work/old.ini"; then
    echo old
  elif cmp -s "$file" "$work/new.ini"; then
    echo new
  else
    echo broken
  fi
}

# Closes one copy and prints two times in milliseconds after the close
# request: when the save began (a copy appeared or the file changed) and when
# the file held what <reference> holds (5 s at most).
close_timing_the_save() { # <reference>
  reference=$1
  start_program
  pid=$started
  wine "$probe" close 1 </dev/null 2>/dev/null | {
    read -r line
    t0=$(now_ms)
    began=""
    while :; do
      t=$(now_ms)
      if [ -z "$began" ]; then
        set -- "$folder"/*.tmp
        if [ -e "$1" ] || ! cmp -s "$file" "$work/old.ini"; then began=$((t - t0)); fi
      fi
      cmp -s "$file" "$reference" && break
      [ $((t - t0)) -ge 5000 ] && break
    done
    echo "${began:-0} $((t - t0))"
    cat >/dev/null
  }
  finish_program "$pid" || fail "the program did not end after closing"
}

# Kills at random moments around the save that closing makes: half of them
# inside the time the save took in three clean runs, a quarter before and a
# quarter after it.
faults_kills() { # <runs> <seed>
  write_old_settings "$work/old.ini"
  cp "$work/old.ini" "$file"
  close_normally "" >/dev/null
  cp "$file" "$work/new.ini"
  grep -q 'Line2000=a foreign line' "$work/new.ini" || fail "a clean save lost the foreign lines"
  began=999999 ended=0
  for i in 1 2 3; do
    cp "$work/old.ini" "$file"
    times=$(close_timing_the_save "$work/new.ini")
    echo "calibration $times" >>"$work/calibration.txt"
    cmp -s "$file" "$work/new.ini" || fail "clean saves wrote different files"
    [ "${times% *}" -lt "$began" ] && began=${times% *}
    [ "${times#* }" -gt "$ended" ] && ended=${times#* }
  done
  pad=$(((ended - began) / 2))
  from=$((began - pad))
  [ $from -lt 0 ] && from=0
  to=$((ended + pad))

  old=0 new=0 broken=0 empty=0 inside=0 run=0
  for delay in $(awk -v n="$1" -v s="$2" -v a="$from" -v b="$to" 'BEGIN { srand(s); for (i = 0; i < n; i++) printf "%.3f\n", (a + rand() * (b - a)) / 1000 }'); do
    cp "$work/old.ini" "$file"
    start_program
    pid=$started
    wine "$probe" close 1 </dev/null 2>/dev/null | {
      read -r line
      case "$line" in
        posted*) # Wine's console text may end in a carriage return
          sleep "$delay"
          kill -9 "$pid" 2>/dev/null
          ;;
      esac
      cat >/dev/null
    }
    finish_program "$pid" || fail "a copy hung"
    run=$((run + 1))
    [ -n "$(temporary_files)" ] && inside=$((inside + 1))
    outcome=$(classify)
    eval "$outcome=\$(($outcome + 1))"
    if [ "$outcome" = broken ]; then
      [ -s "$file" ] || empty=$((empty + 1))
      cp "$file" "$work/broken-kill-$run.ini"
    fi
  done
  echo "kill during the save on closing: $1 runs (seed $2; the save took $began to $ended ms after the close request; kills $from to $to ms):" \
    "old file kept $old, new file complete $new, broken $broken ($empty of them empty);" \
    "$inside kills landed inside the save (a copy was left)"
  [ "$broken" -eq 0 ] || fail "$broken kills left a broken settings file"
}

# A copy a killed save left behind is removed at the next start and never read.
faults_stale_copy() {
  cp "$work/old.ini" "$file"
  printf '[OPTIONS]\r\nActionComboBox=3\r\n' >"$file.4242.tmp"
  close_normally "" >/dev/null
  left=$(temporary_files)
  if [ -z "$left" ] && [ "$(classify)" = new ]; then
    echo "stale copies from killed saves: removed at the next start, never read"
  else
    fail "stale copies: left [$left], settings file $(classify)"
  fi
  rm -f "$file.4242.tmp"
}

# Two copies close at the same moment, each with its own action.
faults_pairs() { # <runs>
  cp "$work/old.ini" "$file"
  close_normally 1 >/dev/null
  cp "$file" "$work/pair-1.ini"
  cp "$work/old.ini" "$file"
  close_normally 3 >/dev/null
  cp "$file" "$work/pair-3.ini"
  valid=0 broken=0
  i=0
  while [ $i -lt "$1" ]; do
    i=$((i + 1))
    cp "$work/old.ini" "$file"
    start_program
    first=$started
    start_program
    second=$started
    wine "$probe" close 2 1 3 </dev/null 2>/dev/null | grep -q posted || fail "two windows did not come"
    finish_program "$first" || fail "a copy hung"
    finish_program "$second" || fail "a copy hung"
    if cmp -s "$file" "$work/pair-1.ini" || cmp -s "$file" "$work/pair-3.ini"; then
      valid=$((valid + 1))
    else
      broken=$((broken + 1))
      cp "$file" "$work/broken-pair-$i.ini"
    fi
  done
  echo "two copies closing at once: $1 runs: one complete file $valid, broken $broken"
  [ "$broken" -eq 0 ] || fail "$broken pairs left a broken settings file"
}

# The settings folder on a file system of four 4 KB pages, filled up.
full_disk_round() { # <what> <old file> <pages left free>
  if ! mount -t tmpfs -o size=16k,mode=0755 kn-faults "$folder" 2>/dev/null; then
    echo "full disk ($1): skipped, this machine does not let us mount a file system" \
      "(the unit test SettingsSave.AFileCutShortBehindTheProfileFunctionsIsCaught stands in)"
    return
  fi
  mounted=1
  cp "$2" "$file"
  n=0
  while dd if=/dev/zero of="$folder/filler$n" bs=4096 count=1 2>/dev/null; do n=$((n + 1)); done
  rm -f "$folder/filler$n"
  k=0
  while [ $k -lt "$3" ]; do rm -f "$folder/filler$k"; k=$((k + 1)); done
  start_program
  pid=$started
  wine "$probe" close 1 </dev/null 2>/dev/null | grep -q posted || fail "the window did not come"
  shown=$(wine "$probe" error-box </dev/null 2>/dev/null | tr -d '\r')
  finish_program "$pid" || fail "the program did not end"
  kept=no
  cmp -s "$file" "$2" && kept=yes
  left=$(temporary_files)
  cp "$file" "$work/full-disk-$3.ini"
  umount "$folder" && mounted=0
  printf '%s\n' "full disk ($1): old file kept: $kept; error shown: ${shown:-none}; copies left: ${left:-none}"
  [ $kept = yes ] || fail "full disk ($1): the settings file changed"
  [ "$shown" = "Unable to write to $winfile" ] || fail "full disk ($1): no error shown"
  [ -z "$left" ] || fail "full disk ($1): a copy was left"
}

faults_full_disk() {
  # About 2 KB: no room even for the copy.
  { printf '[OPTIONS]\r\nActionComboBox=2\r\n[Notes]\r\n'; awk 'BEGIN { for (i = 1; i <= 40; i++) printf "Line%02d=a foreign line the program must keep\r\n", i }'; } >"$work/full-1.ini"
  full_disk_round "no room for the copy" "$work/full-1.ini" 0
  # Just under one page: the copy fits, the keys written into it do not.
  { printf '[OPTIONS]\r\n[Notes]\r\n'; awk 'BEGIN { for (i = 1; i <= 88; i++) printf "Line%02d=a foreign line the program must keep\r\n", i }'; } >"$work/full-2.ini"
  full_disk_round "the disk fills up while the keys are written" "$work/full-2.ini" 1
}
