#!/usr/bin/env bash
# Builds the console host and the sample data set into BUILD_DIR (default:
# build), then runs the host on the sample data with the arguments given
# (default: info).  The build's progress goes to standard error, so the first
# run, which compiles for a few minutes, shows what it is doing and standard
# output carries only the host's results.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
targets=(terralith sample_data)

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  opts=()
  command -v ninja >/dev/null && opts+=(-G Ninja)
  echo "Configuring $build_dir/ ..." >&2
  cmake -S . -B "$build_dir" "${opts[@]}" >&2
fi
# Nothing is printed when everything is up to date.
if [ -f "$build_dir/build.ninja" ] && ninja -C "$build_dir" -n "${targets[@]}" 2>/dev/null |
  grep -q '^ninja: no work to do'; then
  :
else
  echo "Building the console host and the sample data in $build_dir/ ..." >&2
  cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}" >&2
fi
exec "$build_dir/host/terralith" "${@:-info}"
