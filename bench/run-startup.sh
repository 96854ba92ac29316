#!/usr/bin/env bash
# Median cold start to first frame of the app against an empty Qt Quick window, over N fresh processes each.
set -euo pipefail
bin=${1:-build/bench/app/bench_startup}
runs=${2:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
app=$(for _ in $(seq "$runs"); do "$bin" app; done | median)
empty=$(for _ in $(seq "$runs"); do "$bin" empty; done | median)
echo "app first frame: ${app} ms, empty window: ${empty} ms, ratio: $(awk -v a="$app" -v e="$empty" 'BEGIN {printf "%.2f", a / e}') (goal: within 1.5)"
