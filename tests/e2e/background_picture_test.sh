#!/usr/bin/env bash
# A chosen picture as background: stretched over the whole screen without
# keeping its aspect ratio; a picture that cannot be read leaves the screen black.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/pixel_checks.sh"
# 16:9, so that a 4:3 picture has to be stretched unevenly to fill it.
start_xvfb 1280x720x24

fixture halves-jpeg "$WORK/halves.jpg"
red="255 0 0" green="0 255 0"

echo "-- a 640 x 480 JPEG fills the 1280 x 720 screen"
write_config "background = 0" "backgroundimage = $WORK/halves.jpg" "flakes = 0"
start_saver -s
shot=$(screenshot)
[ "$($PROBE "$shot" size | cut -d' ' -f1-2)" = "1280 720" ] || fail "screenshot size $($PROBE "$shot" size)"
# Corners: the picture reaches every edge. Columns 600 and 680 lie either side
# of the stretched middle (640); unstretched, 600 would be green.
for point in "0 0 $red" "0 719 $red" "600 360 $red" "680 360 $green" "1279 0 $green" "1279 719 $green"; do
  read -r x y r g b <<<"$point"
  expect_pixel "$shot" "$x" "$y" "$r $g $b" 12
done
# Away from the seam every pixel is one of the two colours: nothing black is left.
expect_count "$shot" $((600 * 720)) count-colour $red 0 0 600 720 12
expect_count "$shot" $((600 * 720)) count-colour $green 680 0 600 720 12
end_run

echo "-- a background picture that does not exist: black screen, the run goes on"
write_config "background = 0" "backgroundimage = $WORK/missing.jpg" "flakes = 0"
start_saver -s
shot=$(screenshot)
expect_count "$shot" $((1280 * 720)) count-colour 0 0 0 0 0 1280 720
end_run
echo "PASS"
