#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# Every test makes its folders in $TMPDIR: one that is not there would fail
# them one by one, each for the same reason.
if [ -n "${TMPDIR:-}" ] && { [ ! -d "$TMPDIR" ] || [ ! -w "$TMPDIR" ]; }; then
  echo "TMPDIR is $TMPDIR, which is not a folder this user may write in; make it or unset TMPDIR" >&2
  exit 1
fi
bash scripts/build.sh
build_dir=${BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
