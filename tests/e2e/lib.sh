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
  Xvfb -displayfd 8 -screen 0 "$screen" -nolisten tcp 8>"$fdfile" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fdfile")"
}

# wait_for_exit PID SECONDS: waits for the process, prints its exit code.
wait_for_exit() {
  local pid=$1 limit=$2
  for _ in $(seq $((limit * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && echo 0 || echo $?
      return 0
    fi
    sleep 0.1
  done
  echo timeout
}

# write_config "key = value" ...: a config.ini with these Screensaver keys.
write_config() {
  mkdir -p "$DATA"
  {
    printf '\xef\xbb\xbf\r\n[Screensaver]\r\n'
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } >"$DATA/config.ini"
}
