#!/usr/bin/env bash
# End to end: the demo's movies chapter played by the game program (through
# demo_movies_process_tests.exe) with the music setting on, off and lowered
# to -2000, then with the movie's sound starting late, once through the
# DirectShow player and once through the AVIFile player (DirectShow's
# multimedia streams turned off in Wine for that run). Each run goes into a
# null sink of its own whose monitor parec records (raw s16le, 44.1 kHz,
# stereo); movie_sound_levels.py then judges the recordings. The sinks are
# unloaded however the test ends.
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
# run NAME SETTINGS [WINEDLLOVERRIDES]
run() {
  local name=$1 music=$2 overrides=${3:-}
  local sink=mirl_movie_e2e_$$_$name
  module=$(pactl load-module module-null-sink sink_name="$sink" rate=44100 channels=2)
  parec --device="$sink.monitor" --raw --format=s16le --rate=44100 --channels=2 >"$work/$name.raw" &
  recorder=$!
  sleep 0.5
  PULSE_SINK=$sink WINEDLLOVERRIDES=$overrides "$root/scripts/wine-run" --build "$build" \
    "$build/bin/demo_movies_process_tests.exe" --gtest_filter="Music/DemoMovieMusicTest.*/$music"
  sleep 0.5
  stop_recording
}
for music in On Off Lower SoundLate; do run "$music" "$music"; done
run SoundLateAviFile SoundLate amstream=d
python3 "$root/tests/demo/movie_sound_levels.py" "$work/On.raw" "$work/Off.raw" "$work/Lower.raw" \
  "$work/SoundLate.raw" "$work/SoundLateAviFile.raw"
