#!/usr/bin/env python3
"""Writes a slot table file from a list of entries, encoded here on its own
from the file's description, so the game's writer and reader are checked
against bytes they did not make.

usage: encode_slot_table.py OUTPUT [VALUE ...]   (60 values; none: 0..59)
"""
import struct
import sys

MAGIC = b"MirlT001\0"
FIRST_KEY = 0x7C2E5B19
SECOND_KEY = 0xA93F0D64
MASK = 0xFFFFFFFF


def rotr13(x):
    return ((x >> 13) | (x << 19)) & MASK


def encode(values):
    k = FIRST_KEY
    out = bytearray(MAGIC)
    for value in values:
        plain = value & MASK
        out += struct.pack("<I", plain ^ k)
        k = (k + (rotr13(plain) ^ SECOND_KEY)) & MASK
    return bytes(out)


def main():
    values = [int(v, 0) for v in sys.argv[2:]] or list(range(60))
    if len(values) != 60:
        sys.exit("60 values are needed")
    with open(sys.argv[1], "wb") as f:
        f.write(encode(values))


if __name__ == "__main__":
    main()
