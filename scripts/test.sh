#!/usr/bin/env bash
# Installs what is missing, checks the C++ formatting, builds with warnings as errors, and runs every test; ends
# with CTest's summary line.
# build/ is a Release build (the shipped programs at -O3, where GCC warns about more, the tests at -O0); among its
# tests, a 40-second fault soak (tests/soak, run alone) runs the app against a faulty substitute controller. Then
# clang builds everything once more into build-sanitize/ under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the reply fuzzer and without the benchmarks, and the tests run there too: any report fails its test, and
# the fuzzer has a minute (the test "fuzz") in which a crash, hang or sanitizer report fails it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# The C++ sources keep the repository's .clang-format.
(cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
"$root/scripts/build.sh" -DOTTHON_WERROR=ON
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
(cd "$root/build" && ctest --output-on-failure -j2 --timeout 300)
# A build-sanitize/ that GCC made (before clang built it) cannot change its compiler: it is made anew.
cache="$root/build-sanitize/CMakeCache.txt"
if [ -f "$cache" ] && ! grep -qs '^CMAKE_CXX_COMPILER:.*clang++$' "$cache"; then
    rm -rf "$root/build-sanitize"
fi
(cd "$root" && cmake --preset sanitize >/dev/null)
cmake --build "$root/build-sanitize"
cd "$root/build-sanitize"
ctest --output-on-failure -j2 --timeout 600
