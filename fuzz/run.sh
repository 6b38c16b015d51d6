#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 25) each on a copy of the seeds in corpus/,
# and prints the executions and the corpus size reached. Build first:
#   cmake --preset fuzz && cmake --build --preset fuzz
# Longer by hand: fuzz/run.sh 3600; one database alone: KORVEX_FUZZ_DATABASE=kms fuzz/run.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-25}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in tables xml; do
  mkdir -p "$work/$target"
  cp fuzz/corpus/$target/* "$work/$target/"
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ./build-fuzz/fuzz/fuzz-$target "$work/$target" fuzz/corpus/$target \
    -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ 2> "$work/$target.log" || { tail -60 "$work/$target.log"; exit 1; }
  echo "fuzz-$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$') executions, corpus $(ls "$work/$target" | wc -l) files in ${seconds} s"
done
