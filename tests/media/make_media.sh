#!/usr/bin/env bash
# Makes the sounds the media tests decode, and what sox, oggdec and ffmpeg
# decode them to, into OUT:
#   OUT/Snd/       WAV and Ogg files, packed into OUT/Snd.dat by the build
#   OUT/avi/       AVI files with PCM, IMA ADPCM and MS ADPCM sound
#   OUT/ref/       the raw PCM of each, as the reference tools decode it
set -euo pipefail
out=${1:?output folder}
rm -rf "$out/Snd" "$out/avi" "$out/ref" "$out/tmp"
mkdir -p "$out/Snd" "$out/avi" "$out/ref" "$out/tmp"
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }

# WAV: 8-bit mono and 16-bit stereo, with a short one-shot and a stream length.
sox -n -r 22050 -c 1 -b 8 -e unsigned-integer "$out/Snd/tone8.wav" synth 2.5 sine 440 vol 0.7
sox -n -r 44100 -c 2 -b 16 "$out/Snd/tone16.wav" synth 3 sine 300 sine 500 vol 0.7
sox -n -r 22050 -c 1 -b 16 "$out/Snd/short.wav" synth 1.999 sine 660 vol 0.5
sox -n -r 22050 -c 1 -b 16 "$out/Snd/edge.wav" synth 2 sine 660 vol 0.5
for f in tone8 tone16; do sox "$out/Snd/$f.wav" -t raw "$out/ref/$f.raw"; done

# Ogg Vorbis: mono 22050 Hz and stereo 44100 Hz.
sox -n -r 22050 -c 1 -b 16 "$out/tmp/mono.wav" synth 3 sine 440 vol 0.7
sox -n -r 44100 -c 2 -b 16 "$out/tmp/stereo.wav" synth 12 sine 220 sine 330 vol 0.7
oggenc -Q -o "$out/Snd/mono.ogg" "$out/tmp/mono.wav"
oggenc -Q -o "$out/Snd/stereo.ogg" "$out/tmp/stereo.wav"
for f in mono stereo; do oggdec -Q -R -o "$out/ref/$f.raw" "$out/Snd/$f.ogg"; done

# AVI sound streams, PCM and compressed.
ff -i "$out/Snd/tone16.wav" -c:a pcm_s16le "$out/avi/pcm16.avi"
ff -i "$out/Snd/tone8.wav" -c:a pcm_u8 "$out/avi/pcm8.avi"
ff -i "$out/Snd/tone16.wav" -c:a adpcm_ima_wav "$out/avi/ima.avi"
ff -i "$out/Snd/tone16.wav" -c:a adpcm_ms "$out/avi/msadpcm.avi"
ff -i "$out/avi/pcm16.avi" -f s16le "$out/ref/pcm16.raw"
ff -i "$out/avi/pcm8.avi" -f u8 "$out/ref/pcm8.raw"
ff -i "$out/avi/msadpcm.avi" -f s16le "$out/ref/msadpcm.raw"
ff -i "$out/avi/ima.avi" -c:a copy "$out/tmp/ima.wav"
sox "$out/tmp/ima.wav" -t raw -e signed-integer -b 16 "$out/ref/ima.raw"
rm -rf "$out/tmp"
