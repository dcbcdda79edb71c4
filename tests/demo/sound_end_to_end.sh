#!/usr/bin/env bash
# End to end: the demo's sound chapter played by sound_chapter_play.exe into a
# null sink of its own, whose monitor parec records (raw s16le, 44.1 kHz,
# stereo); sound_levels.py then judges the recording. The sink is unloaded
# however the test ends.
#
#   sound_end_to_end.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=${1:?build folder}
root=${2:?source folder}
# shellcheck disable=SC1091
. "$build/session/env"
export XDG_RUNTIME_DIR=$MIRL_XDG
sink=mirl_sound_e2e_$$
work=$(mktemp -d)
module=$(pactl load-module module-null-sink sink_name="$sink" rate=44100 channels=2)
recorder=
cleanup() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null && wait "$recorder" 2>/dev/null
  pactl unload-module "$module" || true
  rm -rf "$work"
}
trap cleanup EXIT
parec --device="$sink.monitor" --raw --format=s16le --rate=44100 --channels=2 >"$work/recording.raw" &
recorder=$!
sleep 0.5
PULSE_SINK=$sink "$root/scripts/wine-run" --build "$build" "$build/bin/sound_chapter_play.exe" | tee "$work/player.txt"
sleep 0.5
kill "$recorder"
wait "$recorder" 2>/dev/null || true
recorder=
python3 "$root/tests/demo/sound_levels.py" "$work/recording.raw" "$work/player.txt"
