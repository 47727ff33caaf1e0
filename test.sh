#!/usr/bin/env bash
# Installs what is missing, builds a debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors) and runs every test. A local
# print queue (tools/cups.sh) lets one test print through a real spooler.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh test
tools/cups.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVK_SANITIZE=ON -DVK_WERROR=ON \
      -DVK_TESTS=ON -DVK_BENCHMARKS=ON >/dev/null
cmake --build build-test -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j "$(nproc)"
