#!/usr/bin/env bash
# Runs the reply fuzzer of BUILD (a build with OTTHON_FUZZ) for SECONDS from the committed corpus, keeping what it
# finds in BUILD/corpus. Any crash, hang (an input over 10 s), memory use over 2 GiB or sanitizer report stops it
# with a failure and leaves the input in BUILD/. Further libFuzzer options may follow SECONDS.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=$2
shift 2
mkdir -p "$build/corpus"
cd "$build"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="otthon.*.info=false"
export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=10
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/../lsan-suppressions.txt:print_suppressions=0
./tests/fuzz/fuzz_reply -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -dict="$here/reply.dict" -print_final_stats=1 -artifact_prefix="$build/" "$@" corpus "$here/corpus"
