#!/bin/sh
# Runs the libFuzzer target for a bounded time (FUZZ_SECONDS, default 300).
# Usage: sh scripts/fuzz.sh [BUILD]   (default: build-fuzz)
# The corpus grows in BUILD/fuzz-corpus, starting from the example programs;
# a crashing input is written to BUILD/fuzz-artifacts/.
set -e
BUILD=${1:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-300}
FUZZER="$BUILD/fuzz/zek_fuzz"
if [ ! -x "$FUZZER" ]; then
  echo "$FUZZER fehlt: zuerst mit -DZEK_BUILD_FUZZ=ON und clang++ bauen (make fuzz)." >&2
  exit 1
fi
CORPUS="$BUILD/fuzz-corpus"
ARTIFACTS="$BUILD/fuzz-artifacts"
mkdir -p "$CORPUS" "$ARTIFACTS"
# Seeds: each example program behind a run-mode byte of 0 ('Ohne Halt').
for example in examples/*.zek; do
  [ -f "$example" ] || continue
  seed="$CORPUS/seed-$(basename "$example" .zek)"
  [ -f "$seed" ] || { printf '\000'; cat "$example"; } > "$seed"
done
echo "zek_fuzz: $SECONDS_TO_RUN s, Korpus $CORPUS"
exec "$FUZZER" -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=60 -rss_limit_mb=4096 \
  -artifact_prefix="$ARTIFACTS/" -print_final_stats=1 "$CORPUS"
