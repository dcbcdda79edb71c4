#!/usr/bin/env python3
"""Checks the recording of the sound chapter (raw s16le, 44.1 kHz, stereo)
against the moments the player printed ("mark <name> <ms>"), in windows of
250 ms: music everywhere before the mute, silence while the music setting is
off (only music plays then), and the music 20 +- 2 dB lower once it is back
at -2000. The recording is aligned on the music's onset, which the player
marks as 0 ms; windows within 500 ms of a change are not judged."""
import math
import struct
import sys

RATE = 44100
WINDOW = RATE // 4
MARGIN_MS = 500
SILENT = 30.0      # RMS of silence, in sample units
AUDIBLE = 300.0    # RMS that is surely sound


def rms(samples, start, count):
    chunk = samples[2 * start:2 * (start + count)]
    if not chunk:
        return 0.0
    return math.sqrt(sum(s * s for s in chunk) / len(chunk))


def main():
    raw = open(sys.argv[1], 'rb').read()
    samples = struct.unpack('<%dh' % (len(raw) // 2), raw[:len(raw) // 2 * 2])
    frames = len(samples) // 2
    marks = {}
    for line in open(sys.argv[2]):
        parts = line.split()
        if len(parts) == 3 and parts[0] == 'mark':
            marks[parts[1]] = int(parts[2])
    for name in ('music', 'mute', 'lower', 'keys'):
        if name not in marks:
            sys.exit('no mark "%s" from the player' % name)

    step = RATE // 100
    onset = next((f for f in range(0, frames - step, step) if rms(samples, f, step) > AUDIBLE), None)
    if onset is None:
        sys.exit('the recording holds no sound')

    def windows(from_ms, to_ms):
        first = onset + (from_ms + MARGIN_MS) * RATE // 1000
        last = onset + (to_ms - MARGIN_MS) * RATE // 1000
        out = []
        frame = first
        while frame + WINDOW <= min(last, frames):
            out.append(rms(samples, frame, WINDOW))
            frame += WINDOW
        if not out:
            sys.exit('no window between %d and %d ms' % (from_ms, to_ms))
        return out

    full = windows(0, marks['mute'])
    off = windows(marks['mute'], marks['lower'])
    low = windows(marks['lower'], marks['keys'])
    print('full', ['%.0f' % v for v in full])
    print('off ', ['%.1f' % v for v in off])
    print('low ', ['%.0f' % v for v in low])
    failures = []
    if min(full) <= AUDIBLE:
        failures.append('a silent window while the music plays')
    if max(off) >= SILENT:
        failures.append('sound while the music setting is off')
    if min(low) <= SILENT:
        failures.append('a silent window after the music came back')
    drop = 20 * math.log10((sum(full) / len(full)) / (sum(low) / len(low)))
    print('drop %.2f dB' % drop)
    if not 18.0 <= drop <= 22.0:
        failures.append('the music is %.2f dB lower, not 20 +- 2' % drop)
    if failures:
        sys.exit('; '.join(failures))


if __name__ == '__main__':
    main()
