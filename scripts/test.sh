#!/usr/bin/env bash
# Installs what is missing, checks the C++ formatting, builds with warnings as errors, and runs every test; ends
# with CTest's summary line.
# The shipped programs are also built with the Release build type (GCC at -O3 warns about other things), into
# build-release/, and must be free of warnings too. Among the tests of build/, a 40-second fault soak (tests/soak, run alone) runs the app
# against a faulty substitute controller. Then the tests run once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, built into build-sanitize/ without the benchmarks; any report fails its test. Before that run, the reply
# fuzzer (scripts/fuzz.sh, clang, build-fuzz/) has a minute; a crash, hang or sanitizer report fails it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# The C++ sources keep the repository's .clang-format.
(cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
"$root/scripts/build.sh" -DOTTHON_WERROR=ON
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOTTHON_WERROR=ON >/dev/null
cmake --build "$root/build-release" --target otthon otthon-controller
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
(cd "$root/build" && ctest --output-on-failure -j2 --timeout 300)
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOTTHON_WERROR=ON \
    -DOTTHON_SANITIZE=ON -DOTTHON_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-sanitize"
"$root/scripts/fuzz.sh" 60
cd "$root/build-sanitize"
ctest --output-on-failure -j2 --timeout 600
