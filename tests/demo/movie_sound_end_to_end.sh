#!/usr/bin/env bash
# End to end: the demo's movies chapter played by the game program (through
# demo_movies_process_tests.exe) three times, with the music setting on, off
# and lowered to -2000, each run into a null sink of its own whose monitor
# parec records (raw s16le, 44.1 kHz, stereo); movie_sound_levels.py then
# judges the three recordings. The sinks are unloaded however the test ends.
#
#   movie_sound_end_to_end.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=${1:?build folder}
root=${2:?source folder}
# shellcheck disable=SC1091
. "$build/session/env"
export XDG_RUNTIME_DIR=$MIRL_XDG
work=$(mktemp -d)
module=
recorder=
stop_recording() {
  if [ -n "$recorder" ]; then
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
  fi
  recorder=
  if [ -n "$module" ]; then pactl unload-module "$module" || true; fi
  module=
}
trap 'stop_recording; rm -rf "$work"' EXIT
for music in On Off Lower; do
  sink=mirl_movie_e2e_$$_$music
  module=$(pactl load-module module-null-sink sink_name="$sink" rate=44100 channels=2)
  parec --device="$sink.monitor" --raw --format=s16le --rate=44100 --channels=2 >"$work/$music.raw" &
  recorder=$!
  sleep 0.5
  PULSE_SINK=$sink "$root/scripts/wine-run" --build "$build" "$build/bin/demo_movies_process_tests.exe" \
    --gtest_filter="Music/DemoMovieMusicTest.*/$music"
  sleep 0.5
  stop_recording
done
python3 "$root/tests/demo/movie_sound_levels.py" "$work/On.raw" "$work/Off.raw" "$work/Lower.raw"
