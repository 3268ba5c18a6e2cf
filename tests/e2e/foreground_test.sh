#!/usr/bin/env bash
# The foreground picture and text over a blue blank screen: pure black of a BMP
# is see-through, a PNG keeps its own alpha, positions are exact and clip at
# the screen's edge, the text stays inside its own box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/pixel_checks.sh"
start_xvfb 1024x768x24

# foreground.bmp, 130 x 80: columns 0-49 orange above row 40 and black below,
# columns 50-89 black, columns 90-129 cyan.
fixture foreground-bmp "$WORK/foreground.bmp"
fixture foreground-png "$WORK/alpha.png"
blue="0 0 255" orange="255 128 0" cyan="0 255 255"
on_blue=("background = 3" "blankr = 0" "blankg = 0" "blankb = 255" "flakes = 0" "foreground = 1")

echo "-- BMP at (200, 100) with the text HELLO at (500, 400)"
write_config "${on_blue[@]}" "foregroundimage = $WORK/foreground.bmp" "foregroundimagex = 200" \
  "foregroundimagey = 100" "foregroundtxt = 1" "foregroundtext = HELLO" "foregroundtextx = 500" \
  "foregroundtexty = 400"
start_saver -s
shot=$(screenshot)
expect_count "$shot" $((50 * 40)) count-colour $orange 200 100 50 40
expect_count "$shot" $((40 * 80)) count-colour $cyan 290 100 40 80
# The black parts show the blue behind them, ...
expect_count "$shot" $((50 * 40)) count-colour $blue 200 140 50 40
expect_count "$shot" $((40 * 80)) count-colour $blue 250 100 40 80
# ... the coloured parts appear nowhere else, and nothing on screen is black:
# neither the picture's see-through pixels nor the text's transparent box.
expect_count "$shot" $((50 * 40)) count-colour $orange 0 0 1024 768
expect_count "$shot" $((40 * 80)) count-colour $cyan 0 0 1024 768
expect_count "$shot" 0 count-colour 0 0 0 0 0 1024 768
# White text, starting at its position, and nothing light outside its box.
text_light=$($PROBE "$shot" count-light 500 400 200 60 200)
((text_light > 150)) || fail "text: only $text_light white pixels"
expect_count "$shot" "$text_light" count-light 0 0 1024 768 200
first_letter=$($PROBE "$shot" count-light 500 400 20 40 200)
((first_letter > 20)) || fail "no H at the text position: $first_letter white pixels"
end_run

echo "-- BMP at (-50, 300): its left 50 columns are cut off; an empty text draws nothing"
write_config "${on_blue[@]}" "foregroundimage = $WORK/foreground.bmp" "foregroundimagex = -50" \
  "foregroundimagey = 300" "foregroundtxt = 1" "foregroundtext = "
start_saver -s
shot=$(screenshot)
expect_count "$shot" 0 count-colour $orange 0 0 1024 768
expect_count "$shot" $((40 * 80)) count-colour $cyan 40 300 40 80
expect_count "$shot" $((40 * 80)) count-colour $cyan 0 0 1024 768
expect_count "$shot" $((1024 * 768 - 40 * 80)) count-colour $blue 0 0 1024 768
end_run

echo "-- PNG with alpha at (100, 50): opaque black stays, half-transparent white blends"
write_config "${on_blue[@]}" "foregroundimage = $WORK/alpha.png" "foregroundimagex = 100" "foregroundimagey = 50"
start_saver -s
shot=$(screenshot)
expect_count "$shot" $((30 * 40)) count-colour 0 0 0 100 50 30 40
expect_count "$shot" $((30 * 40)) count-colour 128 128 255 130 50 30 40 3
expect_count "$shot" $((1024 * 768 - 60 * 40)) count-colour $blue 0 0 1024 768
end_run
echo "PASS"
