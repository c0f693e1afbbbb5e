#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 60), starting
# from the fixture seeds and the saved regression inputs. Exits non-zero on any
# finding; the input that caused it is left in build-fuzz/findings/. Copy it
# into fuzz/regressions/<target>/ so that ctest replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/findings
for target in locate query report; do
  seeds=build-fuzz/seeds/images
  [ "$target" = query ] && seeds=build-fuzz/seeds/queries
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== fuzzing $target for ${seconds}s"
  if ! build-fuzz/fuzz/kelo_fuzz_$target -max_total_time="$seconds" -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
      "$corpus" "$seeds" "fuzz/regressions/$target" > "build-fuzz/$target.log" 2>&1; then
    tail -n 60 "build-fuzz/$target.log"
    echo "fuzzing $target found a fault: see build-fuzz/findings/" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "build-fuzz/$target.log"
done
