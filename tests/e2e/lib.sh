# Shared set-up of the end-to-end tests: a private Xvfb, a private config folder,
# and clean-up on every exit. Source it, then call start_xvfb.
set -euo pipefail

PROGRAM=${1:?program path}
WORK=$(mktemp -d)
export XDG_CONFIG_HOME=$WORK/config
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
DATA="$XDG_CONFIG_HOME/Larkmoor/Frostlight Screensaver"
# The shell opener must never reach a real browser during a test.
export FROSTLIGHT_VENDOR_HOST=127.0.0.1:9
XVFB_PID=
APP_PID=

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_xvfb [WIDTHxHEIGHTxDEPTH]: an Xvfb on a free display number.
start_xvfb() {
  local screen=${1:-1024x768x24}
  local fdfile=$WORK/display
  Xvfb -displayfd 8 -screen 0 "$screen" -nolisten tcp -noreset 8>"$fdfile" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fdfile")"
}

# wait_for_exit PID SECONDS: waits for the child process and sets EXIT_CODE to
# its exit code, or to "timeout". Not to be called in a subshell.
EXIT_CODE=
wait_for_exit() {
  local pid=$1 limit=$2
  EXIT_CODE=timeout
  for _ in $(seq $((limit * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      EXIT_CODE=0
      wait "$pid" || EXIT_CODE=$?
      return 0
    fi
    sleep 0.1
  done
}

# write_config "key = value" ...: a config.ini with these Screensaver keys.
write_config() {
  mkdir -p "$DATA"
  {
    printf '\xef\xbb\xbf\r\n[Screensaver]\r\n'
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } >"$DATA/config.ini"
}

PROBE="python3 $(dirname "${BASH_SOURCE[0]}")/bmp_probe.py"
SAVER_TITLE="Frostlight Screensaver 2.0"

# start_saver [args...]: runs the program with -s (or the given args) in the
# background and waits until its full-screen window is mapped.
start_saver() {
  "$PROGRAM" "${@:--s}" >"$WORK/saver.log" 2>&1 &
  APP_PID=$!
  for _ in $(seq 150); do
    if xdotool search --onlyvisible --name "^$SAVER_TITLE\$" >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$APP_PID" 2>/dev/null || fail "saver ended early: $(cat "$WORK/saver.log")"
    sleep 0.1
  done
  fail "saver window did not appear"
}

# screenshot: presses F12 and prints the path of the new, complete screenshot.
# A press that lands while the window is still taking the keyboard focus is not
# the saver's; F12 is pressed again until one is answered.
screenshot() {
  local before newest
  before=$(find "$DATA" -name 'scr*.bmp' | wc -l)
  for _ in $(seq 10); do
    xdotool key F12
    for _ in $(seq 30); do
      if [ "$(find "$DATA" -name 'scr*.bmp' | wc -l)" -gt "$before" ]; then
        newest=$(ls -t "$DATA"/scr*.bmp | head -n1)
        if $PROBE "$newest" size >/dev/null 2>&1; then
          echo "$newest"
          return 0
        fi
      fi
      sleep 0.1
    done
  done
  fail "no screenshot after F12"
}

# expect_exit SECONDS: the saver ends within the time with exit code 0.
expect_exit() {
  wait_for_exit "$APP_PID" "${1:-10}"
  [ "$EXIT_CODE" = 0 ] || fail "saver exit: $EXIT_CODE ($(cat "$WORK/saver.log"))"
  APP_PID=
}

# still_running: the saver has handled every input sent so far without ending:
# an F12 sent after them is answered with a screenshot.
still_running() {
  screenshot >/dev/null
  kill -0 "$APP_PID" 2>/dev/null || fail "saver ended"
}
