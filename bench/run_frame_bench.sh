#!/usr/bin/env bash
# Runs the frame benchmark on a private 1920 x 1080 Xvfb.
# Usage: bench/run_frame_bench.sh [build folder]
set -euo pipefail
build=${1:-build}
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>/tmp/frame-bench-display.$$ 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f /tmp/frame-bench-display.$$' EXIT
for _ in $(seq 100); do [ -s /tmp/frame-bench-display.$$ ] && break; sleep 0.1; done
DISPLAY=":$(head -n1 /tmp/frame-bench-display.$$)" "$build/bench/frame_bench"
