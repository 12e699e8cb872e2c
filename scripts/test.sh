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

# A stop sent to this script alone (a kill, a closed terminal, a timeout)
# would end it and leave what it runs going on, orphaned: a build for
# minutes, or ctest running the rest of the suite.  So each step runs while
# the script waits for it, and a stop is passed on to the step and to every
# process below it; once the step has ended, the script ends by the same
# signal, as whoever waits for it expects.  These are the signals the tests
# take as stops (tests/support/TempDir.cpp), the real-time ones last; a
# Ctrl-C from the terminal reaches every process by itself, and twice does
# no harm.
stops=(INT QUIT TERM HUP PIPE ALRM USR1 USR2 IO PROF VTALRM XCPU XFSZ STKFLT PWR)
for ((n = $(kill -l RTMIN); n <= $(kill -l RTMAX); n++)); do
  stops+=("$(kill -l "$n")")
done
# The signals of a crash, sent to this script (a kill, `timeout -s ABRT`),
# are no crash of the step: it is stopped as by a kill, which the tests clean
# up after, whereas they take these signals as their own crash and keep their
# folders to be looked at.
crashes=(SEGV ABRT TRAP BUS FPE ILL SYS)
step=

# The processes below the process $1, as /proc gives each one's parent.
below() {
  local -A parent=()
  local stat line pid
  for stat in /proc/[0-9]*/stat; do
    { read -r line <"$stat"; } 2>/dev/null || continue
    pid=${line%% *}
    # The name, within parentheses, may hold anything: the parent is the
    # second field after its last ")".
    line=${line##*) }
    line=${line#* }
    parent[$pid]=${line%% *}
  done
  local -a found=("$1")
  local at=0
  while [ "$at" -lt "${#found[@]}" ]; do
    for pid in "${!parent[@]}"; do
      [ "${parent[$pid]}" = "${found[$at]}" ] && found+=("$pid")
    done
    at=$((at + 1))
  done
  echo "${found[@]:1}"
}

# Returns once none of the processes "$@" runs (a zombie has ended), or
# after ten seconds.
await_end() {
  local pid line waited=0
  for pid in "$@"; do
    while [ "$waited" -lt 200 ] && { read -r line <"/proc/$pid/stat"; } 2>/dev/null; do
      line=${line##*) }
      [ "${line%% *}" = Z ] && break
      sleep 0.05
      waited=$((waited + 1))
    done
  done
}

# Stops the step by the signal $2 (the one this script got, $1, unless
# given), then ends the script by $1.
stopped() {
  local sig=$1 pass=${2:-$1}
  if [ -n "$step" ]; then
    # Every process is named before any is signalled: one that ends first
    # would hand its own to init, out of reach.
    local -a pids
    read -ra pids <<<"$(below "$step")"
    kill -s "$pass" "$step" "${pids[@]}" 2>/dev/null || true
    wait "$step" 2>/dev/null || true
    await_end "${pids[@]}"
  fi
  trap - "$sig"
  # A crash's signal would leave a core file of this shell in the tree.
  ulimit -c 0
  kill -s "$sig" $$
  # Bash ignores SIGQUIT whatever its trap: end as a shell reports it.
  exit $((128 + $(kill -l "$sig")))
}
for sig in "${stops[@]}"; do
  # shellcheck disable=SC2064
  trap "stopped $sig" "$sig"
done
for sig in "${crashes[@]}"; do
  # shellcheck disable=SC2064
  trap "stopped $sig TERM" "$sig"
done

# Runs "$@" as a step and waits for it; its exit status.  A command run in
# the background has Ctrl-C and Ctrl-\ ignored and reads nothing: it gets
# them back, and the script's standard input.
run() {
  (
    trap - INT QUIT
    exec "$@"
  ) <&0 &
  step=$!
  local status=0
  wait "$step" || status=$?
  step=
  return "$status"
}

run bash scripts/build.sh
build_dir=${BUILD_DIR:-build}
run ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
