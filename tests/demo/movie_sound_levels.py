#!/usr/bin/env python3
"""Judges the recordings of the demo's movie (raw s16le, 44.1 kHz, stereo)
made with the music setting on, off and lowered to -2000, in windows of
250 ms: with the music on the tune is heard for most of the movie's 4.5 s;
with the music off nothing is heard; lowered, the tune is heard 20 +- 2 dB
below the first recording (the energy of the whole recordings, which does
not depend on where the windows fall). Each further recording, made with
the music on, is judged as the first: the tune is heard.

    movie_sound_levels.py ON.raw OFF.raw LOWER.raw [MORE.raw ...]
"""
import math
import struct
import sys

RATE = 44100
WINDOW = RATE // 4
SILENT = 30.0      # RMS of silence, in sample units
AUDIBLE = 300.0    # RMS that is surely sound
HEARD_WINDOWS = 12  # 3 s of the tune


def read_samples(path):
    raw = open(path, 'rb').read()
    return struct.unpack('<%dh' % (len(raw) // 2), raw[:len(raw) // 2 * 2])


def window_levels(samples):
    size = 2 * WINDOW
    return [math.sqrt(sum(s * s for s in samples[i:i + size]) / size)
            for i in range(0, len(samples) - size + 1, size)]


def energy(samples):
    return float(sum(s * s for s in samples))


def main():
    recordings = [read_samples(path) for path in sys.argv[1:4]]
    on, off, lower = (window_levels(samples) for samples in recordings)
    failures = []
    loud = [level for level in on if level > AUDIBLE]
    if len(loud) < HEARD_WINDOWS:
        failures.append('music on: %d windows of sound, expected %d or more' % (len(loud), HEARD_WINDOWS))
    if off and max(off) >= SILENT:
        failures.append('music off: a window at RMS %.0f' % max(off))
    quiet = [level for level in lower if level > SILENT]
    if len(quiet) < HEARD_WINDOWS:
        failures.append('music lowered: %d windows of sound, expected %d or more' % (len(quiet), HEARD_WINDOWS))
    if loud and quiet:
        drop = 10 * math.log10(energy(recordings[0]) / energy(recordings[2]))
        print('music lowered by %.1f dB' % drop)
        if not 18.0 <= drop <= 22.0:
            failures.append('music lowered by %.1f dB, expected 20 +- 2' % drop)
    for path in sys.argv[4:]:
        heard = [level for level in window_levels(read_samples(path)) if level > AUDIBLE]
        if len(heard) < HEARD_WINDOWS:
            failures.append('%s: %d windows of sound, expected %d or more' % (path, len(heard), HEARD_WINDOWS))
    for failure in failures:
        print('FAIL: ' + failure)
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
