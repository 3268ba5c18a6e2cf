#!/usr/bin/env bash
# Sets up and builds the project, then runs the screensaver.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh"
exec "$root/build/frostlight" -s
