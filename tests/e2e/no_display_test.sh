#!/usr/bin/env bash
# Without any display: -i writes the default config.ini byte for byte, -a ends at
# once, and -s reports through standard error instead of a box.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY

program_dir=$(cd "$(dirname "$PROGRAM")" && pwd)

"$PROGRAM" -a || fail "-a exit code $?"
[ ! -e "$DATA/config.ini" ] || fail "-a wrote config.ini"
[ -d "$DATA" ] || fail "data folder not made"

"$PROGRAM" /I || fail "-i exit code $?"
config="$DATA/config.ini"
[ -f "$config" ] || fail "-i wrote no config.ini"

date_value=$(grep -a '^Update Date = ' "$config" | sed 's/^Update Date = //; s/\r$//')
[[ "$date_value" =~ ^[0-9]+$ ]] || fail "Update Date '$date_value'"

expected=$WORK/expected.ini
{
  printf '\xef\xbb\xbf\r\n'
  for line in '[General]' 'Language = en' 'Update Range = 2' "Update Date = $date_value" \
      "Path = $program_dir/" '; ' '[Window]' 'Width = 530' 'Height = 330' 'X = 200' 'Y = 200' '; ' \
      '[Screensaver]' 'videow = 0' 'videoh = 0' 'videod = 0' 'flakes = 500' 'exiton = 0' \
      'exitontimer = 30' 'exitonsleep = 30' 'background = 1' \
      "backgroundimage = $program_dir/data/images/fullmoon.jpg" \
      'blankr = 0' 'blankg = 0' 'blankb = 0' 'foreground = 0' \
      "foregroundimage = $program_dir/data/foreground/happynewyear.bmp" \
      'foregroundimagex = 150' 'foregroundimagey = 50' 'foregroundtxt = 0' 'foregroundtext = ' \
      'foregroundtextx = 290' 'foregroundtexty = 10' 'flaketype = 7' 'customflaketype = 0' \
      "customflakeimage = $program_dir/data/snowflakes/myflake2.png" \
      'flakesize = 17' 'wind = 3' 'speed = 3' '; '; do
    printf '%s\r\n' "$line"
  done
} >"$expected"
cmp "$expected" "$config" || { diff <(cat -A "$expected") <(cat -A "$config"); fail "config.ini differs"; }

# A second -i with unchanged settings gives the same bytes.
cp "$config" "$WORK/first.ini"
"$PROGRAM" -i
cmp "$WORK/first.ini" "$config" || fail "second save differs"

# The screensaver cannot start without a display: the message reaches stderr.
"$PROGRAM" -s 2>"$WORK/stderr" || fail "-s exit code $?"
grep -q "Error: Graphics system coudn't be initialized!" "$WORK/stderr" || fail "no message on stderr: $(cat "$WORK/stderr")"
echo "PASS"
