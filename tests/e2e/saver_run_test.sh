#!/usr/bin/env bash
# The screensaver run on a real X display: screenshot, the three exit modes, F1,
# the display fallback and the single-instance guard.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768x24

# F1 goes to the desktop's opener; a stand-in records what it was given.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$WORK/opened"
SCRIPT
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

blue_snow=("background = 3" "blankr = 0" "blankg = 0" "blankb = 255" "flakes = 400" "flakesize = 17")

echo "-- exiton 0: F12 saves the screen, a key does not end, mouse motion does"
write_config "${blue_snow[@]}" "exiton = 0"
start_saver -s
shot=$(screenshot)
[[ "$(basename "$shot")" =~ ^scr[0-9]+\.bmp$ ]] || fail "screenshot name $shot"
[ "$($PROBE "$shot" size)" = "1024 768 32" ] || fail "screenshot size $($PROBE "$shot" size)"
blue=$($PROBE "$shot" count-colour 0 0 255 0 0 1024 768)
light=$($PROBE "$shot" count-light 0 0 1024 768)
((blue > 1024 * 768 / 2)) || fail "not a blue screen: $blue blue pixels"
((light > 50)) || fail "no flakes visible: $light light pixels"
xdotool key a
still_running
# The config file is not touched by a second instance, which ends at once.
cp "$DATA/config.ini" "$WORK/config.before"
"$PROGRAM" -i || fail "second instance exit code $?"
cmp "$WORK/config.before" "$DATA/config.ini" || fail "second instance wrote config.ini"
xdotool mousemove_relative -- 60 0
expect_exit 10

echo "-- exiton 1: F12 goes on, any other key ends at its release"
write_config "${blue_snow[@]}" "exiton = 1"
start_saver /S
xdotool mousemove_relative -- 200 200
still_running
xdotool keydown b
still_running
xdotool keyup b
expect_exit 10

echo "-- exiton 2: mouse and other keys go on, Escape ends"
write_config "${blue_snow[@]}" "exiton = 2"
start_saver -screensaver
xdotool mousemove_relative -- 300 300 key a
still_running
xdotool key Escape
expect_exit 10

echo "-- F1 opens the home page and ends in every mode"
write_config "${blue_snow[@]}" "exiton = 7"
start_saver -s
xdotool mousemove_relative -- 300 300 key Escape
still_running
xdotool key F1
expect_exit 10
grep -qx "http://127.0.0.1:9/screensavers/frostlight.html" "$WORK/opened" || fail "opened: $(cat "$WORK/opened" 2>/dev/null)"

echo "-- a mode the display cannot show falls back to the desktop's"
write_config "${blue_snow[@]}" "videow = 0" "videoh = 0" "videod = 32"
start_saver -s
shot=$(screenshot)
[ "$($PROBE "$shot" size)" = "1024 768 32" ] || fail "fallback screenshot size $($PROBE "$shot" size)"
xdotool mousemove_relative -- 0 -80
expect_exit 10
grep -q 'videow = 0' "$DATA/config.ini" || fail "the fallback was saved"
echo "PASS"
