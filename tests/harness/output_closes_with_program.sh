#!/usr/bin/env bash
# A program's output must close when the program ends, even while another
# program keeps Wine's desktop open: CTest reads a test's output to its end,
# so an output held open by a lingering Wine process makes a finished test
# wait for its time-out.
#
#   output_closes_with_program.sh HOLDER.exe EMULATOR [EMULATOR-ARGS...]
#
# After a pause, the first holder uses the desktop for 3 s with its output on a pipe; once it
# is connected, a second one holds the desktop for 40 s. The pipe must reach
# its end while the second is still running.
set -uo pipefail
holder=${1:?holder program}
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkfifo "$dir/output"
# Wine closes a desktop that no program uses after a second: a pause longer
# than that comes first, as between two test programs.
sleep 2
"$@" "$holder" 3000 >"$dir/output" 2>&1 &
exec 3<"$dir/output"
read -r -t 120 line <&3
line=${line%$'\r'}
if [ "$line" != "desktop ready" ]; then
  echo "the first program did not reach the desktop: ${line:-no output}"
  exit 1
fi
"$@" "$holder" 40000 >/dev/null 2>&1 &
other=$!
if ! timeout 120 cat <&3 >/dev/null; then
  echo "the first program's output did not end within 120 s"
  exit 1
fi
if ! kill -0 "$other" 2>/dev/null; then
  echo "the first program's output stayed open until the second program ended"
  exit 1
fi
echo "the output ended with its program while the desktop lived on"
