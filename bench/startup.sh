#!/usr/bin/env bash
# Whole-process figures: time from launch to the main window's first paint, and peak memory,
# for AEONARIUM and for a bare Qt Widgets window with one label, on an Xvfb display.
# Usage: bench/startup.sh [RUNS] [BUILD_DIR]     (default 15 runs, build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${2:-build/default}

for n in $(seq 150 199); do [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export LC_ALL=C

median() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m }'; }

measure() {  # measure PROGRAM -> "paint_ms rss_kb" medians
  local program=$1 paints=() rss=() out
  "$program" >/dev/null 2>&1 || true  # warm the file cache once
  for _ in $(seq "$runs"); do
    out=$( { AEONARIUM_BENCH_START=$(date +%s%N) LC_ALL=de_DE.UTF-8 /usr/bin/time -f "rss %M" "$program"; } 2>&1 )
    paints+=("$(sed -n 's/^first paint after \([0-9]*\) us$/\1/p' <<<"$out" | awk '{ print $1 / 1000 }')")
    rss+=("$(sed -n 's/^rss \([0-9]*\)$/\1/p' <<<"$out")")
  done
  echo "$(printf '%s\n' "${paints[@]}" | median) $(printf '%s\n' "${rss[@]}" | median)"
}

read -r app_ms app_kb < <(measure "$build/bench/startup_probe")
read -r bare_ms bare_kb < <(measure "$build/bench/bare_window")
awk -v am="$app_ms" -v ak="$app_kb" -v bm="$bare_ms" -v bk="$bare_kb" -v n="$runs" 'BEGIN {
  printf "median of %d runs          first paint   peak memory\n", n;
  printf "AEONARIUM                  %8.1f ms   %8.1f MiB\n", am, ak / 1024;
  printf "bare Qt window (1 label)   %8.1f ms   %8.1f MiB\n", bm, bk / 1024;
  printf "ratio                      %8.2f x    %8.2f x\n", am / bm, ak / bk;
}'
