#!/usr/bin/env bash
# Builds the reply fuzzer with clang into build-fuzz/ and runs it for SECONDS (default 60) from the committed
# corpus (tests/fuzz/corpus), keeping what it finds in build-fuzz/corpus. Any crash, hang (an input over 10 s),
# memory use over 2 GiB or sanitizer report stops it with a failure and leaves the input in build-fuzz/.
# Further libFuzzer options may follow SECONDS, e.g. `./scripts/fuzz.sh 3600 -jobs=2`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DOTTHON_WERROR=ON -DOTTHON_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" --target fuzz_reply
mkdir -p "$root/build-fuzz/corpus"
cd "$root/build-fuzz"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="otthon.*.info=false"
export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=10
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0
./tests/fuzz/fuzz_reply -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -dict="$root/tests/fuzz/reply.dict" \
    -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" "$@" corpus "$root/tests/fuzz/corpus"
