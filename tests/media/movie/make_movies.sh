#!/usr/bin/env bash
# Makes the movies the movie tests play into OUT, loose files all:
# 160 x 120 at 10 pictures a second for 3 seconds, one flat colour a second
# (red, green, blue), with these picture and sound streams:
#   video1_pcm16.avi   MS Video 1, PCM 16-bit stereo 44100 Hz
#   video1_pcm8.avi    MS Video 1, PCM 8-bit mono 22050 Hz
#   cinepak_ima.avi    Cinepak, IMA ADPCM stereo
#   video1_msadpcm.avi MS Video 1, MS ADPCM stereo
#   silent.avi         MS Video 1 without sound
#   silent_rgb.avi     uncompressed 24-bit pictures without sound
#   sound_only.avi     PCM 16-bit stereo without pictures
#   big_video1.avi     640 x 480, MS Video 1, IMA ADPCM (for the benchmark)
#   video1_mp3.avi     MS Video 1, MP3 stereo: blocks of varying size, so its
#                      stream header's sample size is 0
#   opendml.avi        video1_pcm16.avi as an OpenDML file of two parts, the
#                      blue second in the second (make_opendml.py)
# and, not AVI, at 25 pictures a second (the least MPEG-1 allows):
#   mpeg1.mpg          MPEG-1 system stream, MPEG-1 pictures, layer 2 sound
set -euo pipefail
out=${1:?output folder}
rm -rf "$out"
mkdir -p "$out"
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }

colours() {
  local size=$1 rate=${2:-10}
  echo "color=red:s=$size:r=$rate:d=1[r];color=green:s=$size:r=$rate:d=1[g];color=blue:s=$size:r=$rate:d=1[b];[r][g][b]concat=n=3:v=1:a=0[v]"
}
tone() { echo "sine=frequency=440:sample_rate=$1:duration=3"; }

ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 160x120)" -map '[v]' -map 0:a \
  -c:v msvideo1 -c:a pcm_s16le -ac 2 "$out/video1_pcm16.avi"
ff -f lavfi -i "$(tone 22050)" -filter_complex "$(colours 160x120)" -map '[v]' -map 0:a \
  -c:v msvideo1 -c:a pcm_u8 -ac 1 "$out/video1_pcm8.avi"
ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 160x120)" -map '[v]' -map 0:a \
  -c:v cinepak -c:a adpcm_ima_wav -ac 2 "$out/cinepak_ima.avi"
ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 160x120)" -map '[v]' -map 0:a \
  -c:v msvideo1 -c:a adpcm_ms -ac 2 "$out/video1_msadpcm.avi"
ff -filter_complex "$(colours 160x120)" -map '[v]' -c:v msvideo1 "$out/silent.avi"
ff -filter_complex "$(colours 160x120)" -map '[v]' -c:v rawvideo -pix_fmt bgr24 "$out/silent_rgb.avi"
ff -f lavfi -i "$(tone 44100)" -c:a pcm_s16le -ac 2 "$out/sound_only.avi"
ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 640x480)" -map '[v]' -map 0:a \
  -c:v msvideo1 -c:a adpcm_ima_wav -ac 2 "$out/big_video1.avi"
ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 160x120)" -map '[v]' -map 0:a \
  -c:v msvideo1 -c:a libmp3lame -b:a 128k -ac 2 "$out/video1_mp3.avi"
"$(dirname "$0")/make_opendml.py" "$out/video1_pcm16.avi" "$out/opendml.avi"
ff -f lavfi -i "$(tone 44100)" -filter_complex "$(colours 160x120 25)" -map '[v]' -map 0:a \
  -c:v mpeg1video -c:a mp2 -ac 2 -f mpeg "$out/mpeg1.mpg"

# What the reference tools decode the sound streams to: ffmpeg for PCM and
# MS ADPCM, sox for IMA ADPCM (copied out of the movie as it is).
mkdir -p "$out/ref" "$out/tmp"
ff -i "$out/video1_pcm16.avi" -vn -f s16le "$out/ref/video1_pcm16.raw"
# The converter widens 8-bit sound to 16 bits.
ff -i "$out/video1_pcm8.avi" -vn -f s16le "$out/ref/video1_pcm8.raw"
ff -i "$out/video1_msadpcm.avi" -vn -f s16le "$out/ref/video1_msadpcm.raw"
ff -i "$out/cinepak_ima.avi" -vn -c:a copy "$out/tmp/ima.wav"
sox "$out/tmp/ima.wav" -t raw -e signed-integer -b 16 "$out/ref/cinepak_ima.raw"
rm -rf "$out/tmp"
