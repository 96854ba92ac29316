#!/usr/bin/env bash
# Builds a Release into build-release/ and makes the Debian package there; prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-release"
cd "$root/build-release"
cpack -G DEB >/dev/null
ls "$root"/build-release/otthon_*.deb
