#!/usr/bin/env bash
# Installs what is missing, builds, and runs the app against the built-in substitute controller
# (any arguments replace the default --demo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ $# -eq 0 ]; then set -- --demo; fi
if [ -x "$root/build/src/app/otthon" ]; then
  exec "$root/build/src/app/otthon" "$@"
fi
# Until the app exists the run command starts the substitute controller on loopback.
exec "$root/build/sim/otthon-controller"
