#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh run
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVK_TESTS=OFF >/dev/null
cmake --build build-release --target brantovex -j "$(nproc)"
exec ./build-release/brantovex "$@"
