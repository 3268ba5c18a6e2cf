# Helpers for the end-to-end tests that look at pictures: source after lib.sh.

# fixture KIND ARG: runs the fixture writer (its path comes from ctest).
fixture() {
  "${E2E_FIXTURES:?path of e2e_fixtures}" "$@" || fail "fixture $*"
}

# expect_pixel BMP X Y "R G B" [TOLERANCE]: the pixel has that colour, each
# channel within the tolerance.
expect_pixel() {
  local bmp=$1 x=$2 y=$3 colour=$4 tolerance=${5:-0}
  # shellcheck disable=SC2086
  [ "$($PROBE "$bmp" count-colour $colour "$x" "$y" 1 1 "$tolerance")" = 1 ] ||
    fail "$(basename "$bmp") pixel ($x, $y) is $($PROBE "$bmp" pixel "$x" "$y"), expected $colour"
}

# expect_count BMP COUNT count-colour|count-light ARGS...: the probe counts exactly COUNT.
expect_count() {
  local bmp=$1 want=$2 got
  shift 2
  got=$($PROBE "$bmp" "$@")
  [ "$got" = "$want" ] || fail "$(basename "$bmp") $*: $got, expected $want"
}

# end_run: moves the mouse far enough to end a run with exiton 0 and expects
# exit code 0.
end_run() {
  xdotool mousemove_relative -- 100 100
  expect_exit 10
}
