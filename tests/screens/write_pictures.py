#!/usr/bin/env python3
"""Writes a small opaque 2 x 2 PNG picture under each name given.

    write_pictures.py FOLDER NAME...
"""
import os
import struct
import sys
import zlib


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def small_png():
    rows = b"".join(b"\x00" + bytes([0x40, 0x60, 0x80, 0xFF]) * 2 for _ in range(2))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    picture = small_png()
    for name in sys.argv[2:]:
        with open(os.path.join(folder, name), "wb") as out:
            out.write(picture)


main()
