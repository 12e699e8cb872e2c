#!/usr/bin/env bash
# Builds the console host and the sample data set into BUILD_DIR (default:
# build), then runs the host on the sample data with the arguments given
# (default: info).  The build's progress goes to standard error, so the first
# run, which compiles for a few minutes, shows what it is doing and standard
# output carries only the host's results.
#
# The build runs in the repository's root; the host runs in the folder the
# script was called from, so that the files named to it (a query file, an
# output) are found and written where the caller means them.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
# A relative BUILD_DIR is taken from the repository's root, where it is built.
case $build_dir in
  /*) ;;
  *) build_dir=$root/$build_dir ;;
esac
targets=(terralith sample_data)

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  opts=()
  command -v ninja >/dev/null && opts+=(-G Ninja)
  echo "Configuring $build_dir/ ..." >&2
  cmake -S . -B "$build_dir" "${opts[@]}" >&2
fi
# Nothing is printed when everything is up to date: the build's own lines
# for that case are dropped, and the heading comes with the first real step.
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}" 2>&1 |
  awk -v dir="$build_dir" '
    /Re-checking globbed directories|no work to do|Entering directory/ { next }
    !shown { print "Building the console host and the sample data in " dir "/ ..."; shown = 1 }
    { print; fflush() }' >&2
cd "$caller"
exec "$build_dir/host/terralith" "${@:-info}"
