#!/usr/bin/env bash
# Runs one benchmark on a private 1920 x 1080 Xvfb.
# Usage: bench/run.sh frame_bench|capture_bench [build folder]
set -euo pipefail
bench=${1:?frame_bench or capture_bench}
build=${2:-build}
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
DISPLAY=":$(head -n1 "$display_file")" "$build/bench/$bench"
