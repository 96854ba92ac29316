#!/usr/bin/env bash
# Cold start of the app against the reference window (bench/app/Reference.qml), side by side in one run: N
# rounds, each starting one fresh process of each, in turns. Prints the medians of the time to the first frame,
# of the resident memory at that frame and of the processor time spent by then, and their ratios.
set -euo pipefail
bin=${1:-build/bench/app/bench_startup}
runs=${2:-31}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}
samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
for _ in $(seq "$runs"); do
  echo "app $("$bin" app)" >>"$samples"
  echo "reference $("$bin" reference)" >>"$samples"
done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
pick() { awk -v who="$1" -v col="$2" '$1 == who {print $col}' "$samples" | median; }
awk -v am="$(pick app 2)" -v rm="$(pick reference 2)" -v ak="$(pick app 3)" -v rk="$(pick reference 3)" \
    -v ac="$(pick app 4)" -v rc="$(pick reference 4)" -v n="$runs" 'BEGIN {
  printf "medians of %d fresh processes each, offscreen, software\n", n
  printf "first frame:  app %6.1f ms   reference %6.1f ms   ratio %.2f (goal: within 1.3)\n", am, rm, am / rm
  printf "resident:     app %6.1f MiB  reference %6.1f MiB  ratio %.2f (goal: within 1.2)\n", ak / 1024, rk / 1024, ak / rk
  printf "processor:    app %6.1f ms   reference %6.1f ms   ratio %.2f (all threads, from process start)\n", ac, rc, ac / rc
}'
