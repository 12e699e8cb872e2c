#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build).  SANITIZE=1 builds
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
opts=()
if [ "${SANITIZE:-0}" = 1 ]; then
  opts+=(-DTERRALITH_SANITIZE=ON -DTERRALITH_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$build_dir" "${opts[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
