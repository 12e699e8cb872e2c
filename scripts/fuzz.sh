#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60).
#
#   bash scripts/fuzz.sh [SECONDS]
#
# The build is its own directory (FUZZ_BUILD_DIR, default build-fuzz): every
# library in it is instrumented for the fuzzer and the sanitizers.  Each
# target starts from its seed corpus in fuzz/corpus/<target>/ and keeps what
# it learns in <build>/fuzz-corpus/<target>/ (the source tree is never
# written); an input that fails lands in <build>/fuzz-findings/<target>/.
# Prints, per target, the number of runs reached and whether it found
# anything; exits 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
case $seconds in
  '' | *[!0-9]*)
    echo "usage: $0 [SECONDS]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
generator=()
if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
# C++ only: the project has no C sources, and a C compiler named would be
# reported as not used.
CXX=clang++ cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERRALITH_BUILD_FUZZ=ON -DBUILD_TESTING=OFF \
  -DTERRALITH_BUILD_SAMPLE=OFF >/dev/null
cmake --build "$build_dir" --target terralith_fuzz -j "$(nproc)"

# The targets write files on every run; a memory-backed folder keeps them
# fast.  A target that fails cannot clean up after itself, so all of them work
# in one folder that goes when the script ends.
base=${TMPDIR:-}
if [ -z "$base" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then base=/dev/shm; fi
TMPDIR=$(mktemp -d "${base:-/tmp}/terralith-fuzz-run.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

# Every fuzz/<target>.cpp is a target; one the build does not make is a failure.
targets=()
for src in fuzz/*.cpp; do
  targets+=("$(basename "$src" .cpp)")
done
findings_root="$build_dir/fuzz-findings"
status=0
printf '%-18s %12s  %s\n' target runs result
for t in "${targets[@]}"; do
  corpus="$build_dir/fuzz-corpus/$t"
  findings="$findings_root/$t"
  log="$build_dir/fuzz-logs/$t.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  if [ ! -x "$build_dir/fuzz/fuzz_$t" ]; then
    printf '%-18s %12s  %s\n' "$t" - "NOT BUILT (add it to fuzz/CMakeLists.txt)"
    status=1
    continue
  fi
  args=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1
    -artifact_prefix="$findings/")
  [ -f "fuzz/dict/$t.dict" ] && args+=(-dict="fuzz/dict/$t.dict")
  set +e
  "$build_dir/fuzz/fuzz_$t" "${args[@]}" "$corpus" "fuzz/corpus/$t" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ $rc -eq 0 ]; then
    result="nothing found"
  else
    status=1
    found=$(grep -o "Test unit written to .*" "$log" | tail -n 1 | sed 's/Test unit written to //')
    result="FOUND a failure (exit $rc): ${found:-see $log}"
  fi
  printf '%-18s %12s  %s\n' "$t" "${runs:-?}" "$result"
  if [ $rc -ne 0 ]; then
    # The report: the lines from the first error to the input that caused it.
    grep -m 1 -A 40 -E '^(==[0-9]+==ERROR|FAILED CHECK: |.*runtime error:)' "$log" | sed 's/^/    /' || true
  fi
done
[ $status -eq 0 ] || echo "Inputs that failed are in $findings_root; replay one with: $build_dir/fuzz/fuzz_<target> <file>" >&2
exit $status
