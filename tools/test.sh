#!/usr/bin/env bash
# Sets up and builds the project, then runs every test (unit, fuzz-corpus
# replays and the end-to-end tests, which start their own Xvfb).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh" "$@"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
