#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ends with CTest's summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$root/build"
ctest --output-on-failure -j2 --timeout 300
