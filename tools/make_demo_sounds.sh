#!/usr/bin/env bash
# Makes the demo game's sounds into OUT/snd, which the build packs into
# snd.dat, and the menu's click sounds into OUT/mn, packed into mn.dat:
#   CA.wav     a short click of the menu's panels
#   Poi.wav    a short rising blip of the volume levels
#   Music.ogg  44.1 kHz stereo music, a steady chord that loops seamlessly
#   Beat.ogg   44.1 kHz stereo, a pulsing tone the frames follow
#   Chime.ogg  a mono chime for the pan and frequency moves
#   Click.wav  an 8-bit click for the effects
#   Voice.wav  a spoken line
#   Type.wav   a short tick played as each glyph of a text is typed
# and the load and save screens' sounds into OUT/System, packed into
# System.dat:
#   pera01.wav a page turned by a tab
#   ca.wav     the click of their buttons
#   kachi01.wav  a panel set into its place
set -euo pipefail
out=${1:?output folder}
rm -rf "$out/snd" "$out/mn" "$out/System" "$out/tmp"
mkdir -p "$out/snd" "$out/mn" "$out/System" "$out/tmp"

# Whole periods of 220 Hz and 330 Hz in 6 s, so the loop has no seam.
sox -n -r 44100 -c 2 -b 16 "$out/tmp/music.wav" synth 6 sine 220 sine 330 vol 0.5
sox -n -r 44100 -c 2 -b 16 "$out/tmp/beat.wav" synth 4 sine 440 tremolo 2 100 vol 0.4
sox -n -r 22050 -c 1 -b 16 "$out/tmp/chime.wav" synth 3 triangle 660 vol 0.5
oggenc -Q -o "$out/snd/Music.ogg" "$out/tmp/music.wav"
oggenc -Q -o "$out/snd/Beat.ogg" "$out/tmp/beat.wav"
oggenc -Q -o "$out/snd/Chime.ogg" "$out/tmp/chime.wav"
sox -n -r 22050 -c 1 -b 8 -e unsigned-integer "$out/snd/Click.wav" synth 0.12 square 1200 fade 0 0.12 0.08 vol 0.6
sox -n -r 22050 -c 1 -b 16 "$out/snd/Type.wav" synth 0.03 sine 1800 fade 0 0.03 0.02 vol 0.4
espeak-ng -w "$out/snd/Voice.wav" "The lantern is lit. Listen: the music goes on."
sox -n -r 22050 -c 1 -b 16 "$out/mn/CA.wav" synth 0.08 square 900 fade 0 0.08 0.05 vol 0.5
sox -n -r 22050 -c 1 -b 16 "$out/mn/Poi.wav" synth 0.15 sine 600:1400 fade 0 0.15 0.1 vol 0.5
sox -n -r 22050 -c 1 -b 16 "$out/System/pera01.wav" synth 0.12 pinknoise fade 0 0.12 0.1 vol 0.4
sox -n -r 22050 -c 1 -b 16 "$out/System/ca.wav" synth 0.08 square 900 fade 0 0.08 0.05 vol 0.5
sox -n -r 22050 -c 1 -b 16 "$out/System/kachi01.wav" synth 0.06 square 1600 fade 0 0.06 0.05 vol 0.5
rm -rf "$out/tmp"
