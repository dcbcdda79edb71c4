#!/usr/bin/env bash
# Makes the demo's movie from its own pictures and a tune:
#   make_demo_movie.sh PICTURES OUT.avi
# PICTURES is the folder of the drawn "pic" pictures. The movie shows the
# lantern, the coin and the leaf for 1.5 s each, 320 x 240 at 10 pictures a
# second, MS Video 1 (enlarged without smoothing, so each picture's inside
# stays one flat colour), with a plucked tune in IMA ADPCM. Movies are
# played from loose files, never from the archives.
set -euo pipefail
pictures=${1:?picture folder}
out=${2:?movie file}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }

notes=(C4 E4 G4 C5 G4 E4 C4 G3 C4)
parts=()
for i in "${!notes[@]}"; do
  sox -n -r 22050 -c 2 -b 16 "$tmp/note$i.wav" synth 0.5 pluck "${notes[$i]}" vol 0.6
  parts+=("$tmp/note$i.wav")
done
sox "${parts[@]}" "$tmp/tune.wav"

scale="scale=320:240:flags=neighbor,setsar=1,fps=10"
ff -loop 1 -t 1.5 -i "$pictures/Lantern.png" -loop 1 -t 1.5 -i "$pictures/Coin.png" \
  -loop 1 -t 1.5 -i "$pictures/Leaf.png" -i "$tmp/tune.wav" \
  -filter_complex "[0]$scale[a];[1]$scale[b];[2]$scale[c];[a][b][c]concat=n=3:v=1:a=0,format=rgb555le[v]" \
  -map '[v]' -map 3:a -t 4.5 -c:v msvideo1 -c:a adpcm_ima_wav "$tmp/movie.avi"
mkdir -p "$(dirname "$out")"
mv "$tmp/movie.avi" "$out"
