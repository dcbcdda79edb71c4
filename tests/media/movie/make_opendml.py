#!/usr/bin/env python3
"""Rewrites an AVI file as an OpenDML file of two parts: the chunks of the
first half of the pictures (and the sound beside them) in the "RIFF AVI "
part, the rest in a "RIFF AVIX" part. Each stream list holds a super index
("indx") that points at one standard index ("ix##") per part; the first part
also keeps its "idx1" index for its own chunks, and "LIST odml" gives the
whole count of pictures.

    make_opendml.py IN OUT
"""
import struct
import sys

AVIIF_KEYFRAME = 0x10


def chunk(fourcc, data):
    pad = b"\0" if len(data) & 1 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def list_chunk(kind, fourcc, parts):
    return chunk(kind, fourcc + b"".join(parts))


def children(data, start, end):
    """(id, list type or None, data start, data size) of each chunk."""
    out = []
    at = start
    while at + 8 <= end:
        ident, size = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
        kind = data[at + 8:at + 12] if ident in (b"RIFF", b"LIST") else None
        out.append((ident, kind, at + 8, size))
        at += 8 + size + (size & 1)
    return out


def read_avi(data):
    riff = children(data, 0, len(data))[0]
    top = children(data, riff[2] + 4, riff[2] + riff[3])
    hdrl = next(c for c in top if c[1] == b"hdrl")
    movi = next(c for c in top if c[1] == b"movi")
    idx1 = next(c for c in top if c[0] == b"idx1")
    headers = children(data, hdrl[2] + 4, hdrl[2] + hdrl[3])
    avih = next(data[c[2]:c[2] + c[3]] for c in headers if c[0] == b"avih")
    streams = []
    for strl in (c for c in headers if c[1] == b"strl"):
        keep = [chunk(c[0], data[c[2]:c[2] + c[3]])
                for c in children(data, strl[2] + 4, strl[2] + strl[3]) if c[0] in (b"strh", b"strf", b"vprp")]
        streams.append(keep)
    chunks = []
    for at in range(idx1[2], idx1[2] + idx1[3], 16):
        ident, flags, offset, size = struct.unpack_from("<4sIII", data, at)
        start = movi[2] + offset + 8
        chunks.append((ident, flags, data[start:start + size]))
    return avih, streams, chunks


def is_picture(c):
    return c[0][2:] in (b"dc", b"db")


def sample_size(strh):
    return struct.unpack_from("<I", strh, 8 + 44)[0]


def build(avih, streams, chunks):
    count = len(streams)
    ids = [b"%02d" % n for n in range(count)]
    picture_at = [n for n, c in enumerate(chunks) if is_picture(c)]
    split = picture_at[len(picture_at) // 2]
    parts = [chunks[:split], chunks[split:]]
    sizes = [sample_size(s[0]) for s in streams]

    def part_movi(part_chunks, movi_at):
        """The movi list of a part at file offset movi_at, its ix## chunks
        and, per stream, (ix## offset, ix## size, duration)."""
        body = bytearray(b"movi")
        places = []
        for ident, flags, payload in part_chunks:
            places.append((ident, flags, movi_at + 8 + len(body) + 8, len(payload)))
            body += chunk(ident, payload)
        entries = []
        for n in range(count):
            mine = [p for p in places if p[0][:2] == ids[n]]
            # Entries count from the part's movi list.
            table = b"".join(struct.pack("<II", p[2] - movi_at, p[3] | (0 if p[1] & AVIIF_KEYFRAME else 0x80000000))
                             for p in mine)
            chunk_id = mine[0][0] if mine else ids[n] + b"wb"
            ix = chunk(b"ix" + ids[n], struct.pack("<HBBI4sQI", 2, 0, 1, len(mine), chunk_id, movi_at, 0) + table)
            duration = sum(p[3] // sizes[n] for p in mine) if sizes[n] else len(mine)
            entries.append((movi_at + 8 + len(body), len(ix), duration))
            body += ix
        return chunk(b"LIST", bytes(body)), places, entries

    def headers(supers):
        # The main header counts the pictures of the first part, "dmlh" all.
        main = avih[:16] + struct.pack("<I", len(picture_at) // 2) + avih[20:]
        strls = []
        for n in range(count):
            table = b"".join(struct.pack("<QII", *e) for e in supers[n])
            chunk_id = next((c[0] for c in chunks if c[0][:2] == ids[n]), ids[n] + b"wb")
            indx = chunk(b"indx", struct.pack("<HBBI4s12x", 4, 0, 0, len(supers[n]), chunk_id) + table)
            strl = streams[n]
            strls.append(list_chunk(b"LIST", b"strl", strl[:2] + [indx] + strl[2:]))
        odml = list_chunk(b"LIST", b"odml", [chunk(b"dmlh", struct.pack("<I", len(picture_at)) + bytes(244))])
        return list_chunk(b"LIST", b"hdrl", [chunk(b"avih", main)] + strls + [odml])

    # The header list's size does not depend on the offsets it holds, so it
    # is built once with empty tables to place everything after it.
    supers = [[(0, 0, 0)] * 2 for _ in range(count)]
    hdrl = headers(supers)
    first_movi_at = 12 + len(hdrl)
    movi1, places1, entries1 = part_movi(parts[0], first_movi_at)
    idx1 = chunk(b"idx1", b"".join(
        struct.pack("<4sIII", p[0], p[1], p[2] - 8 - (first_movi_at + 8), p[3]) for p in places1))
    first_size = 4 + len(hdrl) + len(movi1) + len(idx1)
    second_at = 8 + first_size
    movi2, _, entries2 = part_movi(parts[1], second_at + 12)
    supers = [[entries1[n], entries2[n]] for n in range(count)]
    first = chunk(b"RIFF", b"AVI " + headers(supers) + movi1 + idx1)
    second = chunk(b"RIFF", b"AVIX" + movi2)
    assert len(first) == second_at
    return first + second


def main():
    source, target = sys.argv[1:3]
    with open(source, "rb") as f:
        data = f.read()
    with open(target, "wb") as f:
        f.write(build(*read_avi(data)))


if __name__ == "__main__":
    main()
