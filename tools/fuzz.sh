#!/usr/bin/env bash
# Builds a libFuzzer target with clang (libFuzzer, ASan, UBSan) in build-fuzz
# and runs it for the given number of seconds (default 600) on its seeds,
# its kept regression inputs (fuzz/regressions/TARGET, or fuzz/regressions
# for the result-file fuzzer) and what earlier runs found. Not part of test.sh.
# Usage: tools/fuzz.sh [seconds] [target]     (target defaults to load_fuzzer)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
target="${2:-load_fuzzer}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_FUZZ=ON \
  -DVK_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "$target" write_seeds
cd build-fuzz
mkdir -p "corpus/$target" "seeds/$target" "artifacts/$target"
rm -f "seeds/$target"/*
fuzz/write_seeds "seeds/$target" "$target"
regressions=../fuzz/regressions
[ "$target" = load_fuzzer ] || regressions="../fuzz/regressions/$target"
mkdir -p "$regressions"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
# With -jobs the fuzzer runs in a child process whose output is fuzz-0.log.
"fuzz/$target" -max_total_time="$seconds" -jobs=1 -workers=1 -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="artifacts/$target/" \
  "corpus/$target" "seeds/$target" "$regressions" || status=$?
tail -n 40 fuzz-0.log 2>/dev/null
ls "artifacts/$target"
exit "${status:-0}"
