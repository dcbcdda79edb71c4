#!/usr/bin/env bash
# A test program that crashes must end with a failing status, the one CTest
# judges a test by, and leave a backtrace on its output.
#
#   crash_fails_run.sh PROGRAM.exe EMULATOR [EMULATOR-ARGS...]
#
# The program runs through the same emulator as every test program, several
# times: a debugger that ended the crashed program with a status of its own
# would do so only when it finished before the program, not in every run.
set -uo pipefail
program=${1:?program}
shift
runs=5
for run in $(seq "$runs"); do
  output=$("$@" "$program" 2>&1)
  status=$?
  # 0xC0000094, integer division by zero, keeps its low byte as the status.
  if [ "$status" -ne 148 ]; then
    printf '%s\n' "$output"
    echo "run $run of $runs: the crash ended with status $status, not 148"
    exit 1
  fi
  if ! grep -q '^Backtrace:' <<<"$output"; then
    printf '%s\n' "$output"
    echo "run $run of $runs: the crash left no backtrace"
    exit 1
  fi
done
echo "$runs crashes, each ended with status 148 and a backtrace"
