# Sourced by faults-lib.sh: broken settings files. The program must start
# with the values the load rules give, and write them as a valid file on close.

# The values as the profile functions read them back, defaults first;
# arguments KEY=VALUE replace single ones.
expected_values() {
  for line in RadioButtonDate=0 RadioButtonCounter=1 DaysComboBox=0 ComboBoxCPULoad=10 \
    ComboBoxCPULoadTime=4 DateTimePickerReverseTime=3.77930416666667E+0004 ActionComboBox=0 SkinComboBox=0 \
    NetQuietLevel=10 NetQuietSeconds=60 NetQuietAdapter=; do
    key=${line%%=*}
    for given in "$@"; do
      [ "${given%%=*}" = "$key" ] && line=$given
    done
    echo "$line"
  done
}

utf16() { # BOM and little-endian text
  printf '\377\376'
  iconv -f UTF-8 -t UTF-16LE
}

# Bytes from a fixed seed: the same junk every run.
junk() {
  printf "$(awk 'BEGIN { srand(12); for (i = 0; i < 4096; i++) printf "\\%03o", int(rand() * 256) }')"
}

many_lines() {
  printf '[OPTIONS]\r\nActionComboBox=2\r\n[Notes]\r\n'
  awk 'BEGIN { for (i = 1; i <= 100000; i++) printf "Line%06d=one of many foreign lines\r\n", i }'
}

# One case: <name> <file maker> <expected values...>
content_case() {
  name=$1 make=$2
  shift 2
  $make >"$work/content-$name.ini"
  expected_values "$@" >"$work/content-$name.expected"
  cp "$work/content-$name.ini" "$file"
  case_start=$(now_ms)
  close_normally "" >/dev/null
  ms=$(($(now_ms) - case_start))
  wine "$probe" read "$file" </dev/null 2>/dev/null | tr -d '\r' >"$work/content-$name.read"
  cp "$file" "$work/content-$name.written"
  problems=""
  cmp -s "$work/content-$name.expected" "$work/content-$name.read" || problems="wrote other values"
  [ -z "$(temporary_files)" ] || problems="${problems:+$problems, }left a copy"
  verdict=${problems:-ok}
  echo "  $name: $verdict (started, closed and saved in $ms ms)"
  [ "$verdict" = ok ] || fail "content $name: $verdict (see $work/content-$name.*)"
}

no_section() { printf 'RadioButtonDate=1\r\nActionComboBox=3\r\nDaysComboBox=5\r\n'; }
garbage_and_huge_numbers() {
  printf '[OPTIONS]\r\nRadioButtonDate=yes\r\nDaysComboBox=99999999999999999999\r\nComboBoxCPULoad=-2147483649\r\n'
  printf 'ComboBoxCPULoadTime=0x7FFFFFFFFFFF\r\nActionComboBox=3 apples\r\nSkinComboBox=$\r\n'
  printf 'DateTimePickerReverseTime=1e99999\r\n'
}
nan_and_infinities() {
  printf '[OPTIONS]\r\nDateTimePickerReverseTime=NaN\r\nDaysComboBox=INF\r\nComboBoxCPULoad=-Infinity\r\n'
  printf 'ActionComboBox=1.#INF\r\n'
}
span_beyond_the_picker() { printf '[OPTIONS]\r\nDateTimePickerReverseTime=-6.93593062500000E+0005\r\n'; }
utf16_with_bom() { printf '[OPTIONS]\r\nActionComboBox=3\r\nDaysComboBox=5\r\n[Keep]\r\nA=1\r\n' | utf16; }
# Written by hand: comments, blanks around names and values, a line without
# a value, quotes, Unix and Windows line ends mixed.
hand_edited() {
  printf '; my settings\n[OPTIONS]  \r\n  ActionComboBox = 2 \n\n;note\r\nNoValue\n'
  printf '[ Other ]\nA = "quoted value"\r\nB=\n'
}
duplicate_keys() { printf '[OPTIONS]\r\nActionComboBox=2\r\nActionComboBox=4\r\nDaysComboBox=9\r\nDaysComboBox=1\r\n'; }

faults_bad_content() {
  echo "broken settings files (start, close, read back what was written):"
  content_case empty-file true
  content_case no-section no_section
  content_case garbage-and-huge-numbers garbage_and_huge_numbers DateTimePickerReverseTime=0.00000000000000E+0000
  content_case nan-and-infinities nan_and_infinities DateTimePickerReverseTime=0.00000000000000E+0000
  # Year 1 at 01:30: the date moves into the picker's range, the span stays.
  content_case span-beyond-the-picker span_beyond_the_picker DateTimePickerReverseTime=-5.37970625000000E+0004
  content_case binary-junk junk
  content_case utf16-with-bom utf16_with_bom ActionComboBox=3 DaysComboBox=5
  content_case 100000-lines many_lines ActionComboBox=2
  lines=$(grep -c '^Line' "$work/content-100000-lines.written")
  [ "$lines" -eq 100000 ] || fail "content 100000-lines: $lines foreign lines left"
  content_case duplicate-keys duplicate_keys ActionComboBox=2 DaysComboBox=9
  content_case hand-edited hand_edited ActionComboBox=2
}
