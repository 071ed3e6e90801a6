#!/bin/sh
# Runs every benchmark of the build directory and prints its figures.
# Usage: sh scripts/bench.sh [BUILD]   (default: build)
BUILD=${1:-build}
found=0
failed=0
for bench in "$BUILD"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  found=1
  echo "== $(basename "$bench")"
  if ! "$bench"; then
    echo "$(basename "$bench") ist fehlgeschlagen" >&2
    failed=1
  fi
  echo
done
if [ "$found" -eq 0 ]; then
  echo "Keine Benchmarks in $BUILD/bench gefunden (mit -DZEK_BUILD_BENCH=ON bauen)." >&2
  exit 1
fi
exit "$failed"
