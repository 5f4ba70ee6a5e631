#!/usr/bin/env bash
# Builds the fuzz targets with Clang and runs each for a bounded time on a copy of its seeds.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]   (default 30 s, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(text_to_extended text_to_date date_time_to_text convert_age)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
status=0
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$target/." "$work/"
  echo "== $target: ${seconds}s"
  if ! build/fuzz/fuzz/"${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="build/fuzz/${target}-" "$work" 2>"build/fuzz/${target}.log"; then
    echo "FAILED: $target (see build/fuzz/${target}.log and the crash artifact)"
    tail -40 "build/fuzz/${target}.log"
    status=1
  fi
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "build/fuzz/${target}.log" | tail -2
  rm -rf "$work"
done
exit "$status"
