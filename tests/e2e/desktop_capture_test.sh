#!/usr/bin/env bash
# The desktop as background: photographed before the run, shown unscaled
# behind the snow, deleted after the run.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/pixel_checks.sh"
start_xvfb 1024x768x24

desktop="30 140 200"
fixture paint-root 1E8CC8

# run_on_desktop CONFIG...: starts a run and repaints the root window once the
# saver's window covers it, so that the screen can only show the desktop as it
# was captured before the run. Sets shot to a screenshot of the run.
run_on_desktop() {
  write_config "background = 1" "flakes = 0" "$@"
  start_saver -s
  [ -f "$DATA/desktop.bmp" ] || fail "no desktop.bmp during the run"
  fixture paint-root 000000
  shot=$(screenshot)
  fixture paint-root 1E8CC8
}

echo "-- the capture at the screen's size fills the screen"
run_on_desktop
[ "$($PROBE "$DATA/desktop.bmp" size | cut -d' ' -f1-2)" = "1024 768" ] || fail "desktop.bmp $($PROBE "$DATA/desktop.bmp" size)"
expect_count "$DATA/desktop.bmp" $((1024 * 768)) count-colour $desktop 0 0 1024 768
expect_count "$shot" $((1024 * 768)) count-colour $desktop 0 0 1024 768
end_run
[ ! -e "$DATA/desktop.bmp" ] || fail "desktop.bmp left behind"

echo "-- a configured mode the display cannot show: captured at that size, drawn unscaled"
# 24 bits per pixel: the capture takes the configured depth, the run the desktop's.
run_on_desktop "videow = 700" "videoh = 500" "videod = 24"
[ "$($PROBE "$DATA/desktop.bmp" size)" = "700 500 24" ] || fail "desktop.bmp $($PROBE "$DATA/desktop.bmp" size)"
[ "$($PROBE "$shot" size | cut -d' ' -f1-2)" = "1024 768" ] || fail "screenshot size $($PROBE "$shot" size)"
expect_count "$shot" $((700 * 500)) count-colour $desktop 0 0 1024 768
expect_count "$shot" $((700 * 500)) count-colour $desktop 0 0 700 500
expect_pixel "$shot" 700 0 "0 0 0"
expect_pixel "$shot" 0 500 "0 0 0"
end_run
[ ! -e "$DATA/desktop.bmp" ] || fail "desktop.bmp left behind"
echo "PASS"
