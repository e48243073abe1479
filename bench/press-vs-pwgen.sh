#!/usr/bin/env bash
# One press of "Generate" against Debian's pwgen, in the same run on the same machine:
#   bash bench/press-vs-pwgen.sh [build-dir]
set -euo pipefail
build=${1:-build}
passwords=100000

"$build/bench/bench_press" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

command -v pwgen >/dev/null || { echo "pwgen is not installed (apt-get install pwgen)"; exit 1; }
best=""
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    pwgen -s 20 "$passwords" >/dev/null
    ns=$(( $(date +%s%N) - start ))
    if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then best=$ns; fi
done
awk -v ns="$best" -v n="$passwords" \
    'BEGIN { printf "pwgen -s 20 %d: best of 5 runs %.3f s, %.2f us per password\n", n, ns / 1e9, ns / 1e3 / n }'
