#!/usr/bin/env bash
# Configures (once) and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

werror=OFF
[ -n "${CI:-}" ] && werror=ON
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORLIK_WERROR="$werror"
fi
cmake --build build
