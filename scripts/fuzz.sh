#!/usr/bin/env bash
# Builds the reply fuzzer in the sanitized clang build (build-sanitize/) and runs it for SECONDS (default 60) from
# the committed corpus (tests/fuzz/corpus), keeping what it finds in build-sanitize/corpus. Any crash, hang (an
# input over 10 s), memory use over 2 GiB or sanitizer report stops it with a failure and leaves the input in
# build-sanitize/. Further libFuzzer options may follow SECONDS, e.g. `./scripts/fuzz.sh 3600 -jobs=2`. The test
# command runs the same minute as the CTest test "fuzz" (label fuzz) of build-sanitize/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
"$root/tests/fuzz/run-fuzzer.sh" "$root/build-sanitize" "$seconds" "$@"
