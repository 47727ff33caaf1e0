#!/usr/bin/env bash
# Builds a libFuzzer target with clang (libFuzzer, ASan, UBSan) in build-fuzz
# and runs it for the given number of seconds (default 600) on its seeds,
# its kept regression inputs (fuzz/regressions/TARGET, or fuzz/regressions
# for the result-file fuzzer) and what earlier runs found. Not part of test.sh.
# Each target runs in a folder of its own (build-fuzz/run/TARGET, where its
# log fuzz-0.log stays), so two targets can run side by side.
# Usage: tools/fuzz.sh [seconds] [target]     (target defaults to load_fuzzer)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-600}"
target="${2:-load_fuzzer}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_FUZZ=ON \
  -DVK_TESTS=OFF >/dev/null
cmake --build build-fuzz -j 4 --target "$target" write_seeds
b="$root/build-fuzz"
mkdir -p "$b/corpus/$target" "$b/seeds/$target" "$b/artifacts/$target" "$b/run/$target"
rm -f "$b/seeds/$target"/*
"$b/fuzz/write_seeds" "$b/seeds/$target" "$target"
regressions="$root/fuzz/regressions"
[ "$target" = load_fuzzer ] || regressions="$root/fuzz/regressions/$target"
mkdir -p "$regressions"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
cd "$b/run/$target"
rm -f fuzz-0.log
# With -jobs the fuzzer runs in a child process whose output is fuzz-0.log.
"$b/fuzz/$target" -max_total_time="$seconds" -jobs=1 -workers=1 -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="$b/artifacts/$target/" \
  "$b/corpus/$target" "$b/seeds/$target" "$regressions" || status=$?
tail -n 40 fuzz-0.log 2>/dev/null
ls "$b/artifacts/$target"
exit "${status:-0}"
