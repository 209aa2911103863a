#!/usr/bin/env bash
# Builds the benchmarks with optimisation into build-bench/ and runs every one.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ ! -f build-bench/build.ninja ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORLIK_BUILD_TESTS=OFF \
    -DZORLIK_BUILD_BENCH=ON
fi
cmake --build build-bench
export QT_QPA_PLATFORM=offscreen
find build-bench/bench -type f -name 'bench_*' -perm -u+x | sort | while read -r b; do
  echo "== $(basename "$b")"
  "$b"
done
