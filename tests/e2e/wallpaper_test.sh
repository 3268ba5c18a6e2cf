#!/usr/bin/env bash
# The desktop wallpaper as background, read through GSettings (keyfile backend):
# tiled or stretched over the screen, deleted after the run; without a readable
# wallpaper an error box and the end, no run.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/pixel_checks.sh"
start_xvfb 1024x768x24

export GSETTINGS_BACKEND=keyfile
# quadrants.png, 300 x 200: red, green above; blue, yellow below.
fixture quadrants-png "$WORK/quadrants.png"
red="255 0 0" green="0 255 0" blue="0 0 255" yellow="255 255 0"

# set_wallpaper URI OPTIONS: the desktop's background settings.
set_wallpaper() {
  mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
  printf "[org/gnome/desktop/background]\npicture-uri='%s'\npicture-options='%s'\n" "$1" "$2" \
    >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"
}

write_config "background = 2" "flakes = 0"

echo "-- 'wallpaper' tiles from the top-left corner; the last column and row are cut"
set_wallpaper "file://$WORK/quadrants.png" wallpaper
start_saver -s
[ -f "$DATA/wallpaper.bmp" ] || fail "no wallpaper.bmp during the run"
shot=$(screenshot)
# Tiles start at x = 0, 300, 600, 900 and y = 0, 200, 400, 600; the last column
# is 124 pixels wide (left quadrants only), the last row 168 high.
for point in "0 0 $red" "299 199 $yellow" "300 200 $red" "599 0 $green" "900 600 $red" \
    "1023 0 $red" "1023 767 $blue" "899 767 $yellow"; do
  read -r x y r g b <<<"$point"
  expect_pixel "$shot" "$x" "$y" "$r $g $b"
done
expect_count "$shot" $(((3 * 150 + 124) * 4 * 100)) count-colour $red 0 0 1024 768
expect_count "$shot" $((3 * 150 * 4 * 100)) count-colour $green 0 0 1024 768
expect_count "$shot" $(((3 * 150 + 124) * (3 * 100 + 68))) count-colour $blue 0 0 1024 768
expect_count "$shot" $((3 * 150 * (3 * 100 + 68))) count-colour $yellow 0 0 1024 768
end_run
[ ! -e "$DATA/wallpaper.bmp" ] || fail "wallpaper.bmp left behind"

echo "-- 'stretched' stretches one copy over the whole screen"
set_wallpaper "file://$WORK/quadrants.png" stretched
start_saver -s
shot=$(screenshot)
# Each quadrant covers a quarter of the screen; a few pixels along the seams
# may be blended by the smooth filter.
expect_count "$shot" $((504 * 376)) count-colour $red 0 0 504 376
expect_count "$shot" $((504 * 376)) count-colour $green 520 0 504 376
expect_count "$shot" $((504 * 376)) count-colour $blue 0 392 504 376
expect_count "$shot" $((504 * 376)) count-colour $yellow 520 392 504 376
end_run
[ ! -e "$DATA/wallpaper.bmp" ] || fail "wallpaper.bmp left behind"

echo "-- no readable wallpaper: the error box, then the end without a run"
printf 'not a picture' >"$WORK/text.png"
for setting in "file://$WORK/quadrants.png none" "file://$WORK/missing.png wallpaper" \
    "file://$WORK/text.png stretched"; do
  echo "   $setting"
  read -r uri options <<<"$setting"
  set_wallpaper "$uri" "$options"
  "$PROGRAM" -s >"$WORK/saver.log" 2>&1 &
  APP_PID=$!
  box=
  for _ in $(seq 150); do
    box=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -n1) && [ -n "$box" ] && break
    kill -0 "$APP_PID" 2>/dev/null || fail "ended without the error box: $(cat "$WORK/saver.log")"
    sleep 0.1
  done
  [ -n "$box" ] || fail "no error box"
  ! xdotool search --name "^$SAVER_TITLE\$" >/dev/null 2>&1 || fail "the screen run started"
  xdotool windowfocus --sync "$box" key Return
  expect_exit 10
  ! xdotool search --name "^$SAVER_TITLE\$" >/dev/null 2>&1 || fail "the screen run started"
  [ ! -e "$DATA/wallpaper.bmp" ] || fail "wallpaper.bmp written"
done
echo "PASS"
