#!/usr/bin/env bash
# Builds the default preset and runs every benchmark: the conversion micro-benchmarks (median
# of five repetitions) and the whole-process start-up figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j2
build/default/bench/conversion_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5 2>&1 | grep -E "median|Run on|CPU|^-"
bench/startup.sh 15
