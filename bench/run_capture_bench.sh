#!/usr/bin/env bash
# Runs the capture benchmark on a private 1920 x 1080 Xvfb.
# Usage: bench/run_capture_bench.sh [build folder]
set -euo pipefail
build=${1:-build}
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>/tmp/capture-bench-display.$$ 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f /tmp/capture-bench-display.$$' EXIT
for _ in $(seq 100); do [ -s /tmp/capture-bench-display.$$ ] && break; sleep 0.1; done
DISPLAY=":$(head -n1 /tmp/capture-bench-display.$$)" "$build/bench/capture_bench"
