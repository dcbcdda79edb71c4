#!/usr/bin/env python3
"""Draws the program's icon (a lantern glow on a night-blue tile) at 32 x 32
and 16 x 16 pixels and writes it as a Windows .ico file.

    make_icon.py OUTPUT.ico
"""
import math
import struct
import sys


def pixel(x, y, size):
    """BGRA of one pixel, from coordinates normalised to the tile."""
    u = (x + 0.5) / size
    v = (y + 0.5) / size
    # Rounded tile: transparent outside a corner radius of 0.18.
    r = 0.18
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if math.hypot(u - cx, v - cy) > r:
        return (0, 0, 0, 0)
    # Night blue, lighter towards the top.
    base = (90 - int(40 * v), 40 - int(20 * v), 20, 255)
    # Glow of the lantern, centred a little above the middle.
    d = math.hypot(u - 0.5, v - 0.45)
    glow = max(0.0, 1.0 - d / 0.32)
    b = int(base[0] * (1 - glow) + 60 * glow)
    g = int(base[1] * (1 - glow) + 200 * glow)
    rr = int(base[2] * (1 - glow) + 255 * glow)
    # Moss-green ground along the bottom.
    if v > 0.8:
        return (40, 120, 60, 255)
    return (b, g, rr, 255)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up rows
        rows.append(b"".join(struct.pack("4B", *pixel(x, y, size)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\x00" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main():
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
