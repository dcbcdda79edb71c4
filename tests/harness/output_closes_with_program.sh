#!/usr/bin/env bash
# A program's output must reach its end when the program ends, even while a
# process it started lives on: CTest reads a test's output to its end, so an
# output held open by a lingering process makes a finished test wait for its
# time-out.
#
#   output_closes_with_program.sh LINGERING_CHILD.exe EMULATOR [EMULATOR-ARGS...]
#
# The program ends after 1 s, its child (which uses the desktop and so starts
# the desktop's process after the pause below) after 40 s.
set -uo pipefail
program=${1:?lingering_child program}
shift
# Wine closes a desktop that no program uses after a second: a pause longer
# than that comes first, as between two test programs.
sleep 2
start=$(date +%s)
output=$(timeout 120 "$@" "$program" 1000 40000 2>&1)
status=$?
elapsed=$(( $(date +%s) - start ))
if [ "$status" -ne 0 ] || ! grep -q "child started" <<<"$output"; then
  printf '%s\n' "$output"
  echo "the program did not start its child (status $status)"
  exit 1
fi
if [ "$elapsed" -ge 30 ]; then
  echo "the program's output ended after $elapsed s, held open by its child"
  exit 1
fi
echo "the output ended with its program after $elapsed s while its child ran on"
