#!/usr/bin/env bash
# Builds the result-file fuzzer with clang (libFuzzer, ASan, UBSan) in
# build-fuzz and runs it for the given number of seconds (default 600) on the
# seed corpus, the kept regression inputs (fuzz/regressions) and what earlier
# runs found. Not part of test.sh.
# Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_FUZZ=ON \
  -DVK_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target load_fuzzer write_seeds
cd build-fuzz
mkdir -p corpus seeds artifacts
rm -f seeds/*
fuzz/write_seeds seeds
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
# With -jobs the fuzzer runs in a child process whose output is fuzz-0.log.
fuzz/load_fuzzer -max_total_time="$seconds" -jobs=1 -workers=1 -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix=artifacts/ corpus seeds ../fuzz/regressions || status=$?
cat fuzz-0.log 2>/dev/null | tail -n 40
ls artifacts
exit "${status:-0}"
