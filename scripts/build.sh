#!/usr/bin/env bash
# Installs what is missing, configures and builds into BUILD_DIR (default:
# build).  SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer
# under clang; WERROR=1 turns the project's warnings into errors (CI sets it);
# BENCH=1 adds the benchmarks.  Uses Ninja when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
opts=()
if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then
  opts+=(-G Ninja)
fi
if [ "${SANITIZE:-0}" = 1 ]; then
  opts+=(-DTERRALITH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v clang++ >/dev/null; then
    # The project compiles C++ only: naming a C compiler draws CMake's
    # warning that it was not used.
    opts+=(-DCMAKE_CXX_COMPILER=clang++)
  fi
fi
[ "${WERROR:-0}" = 1 ] && opts+=(-DTERRALITH_WERROR=ON)
[ "${BENCH:-0}" = 1 ] && opts+=(-DTERRALITH_BUILD_BENCH=ON)
cmake -S . -B "$build_dir" "${opts[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
