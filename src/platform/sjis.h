// Shift-JIS, the encoding of every text of the game: a byte from 0x80 to 0xA0
// or from 0xE0 to 0xFF is a lead byte, and it and the byte after it are one
// character whose second byte (which may be "\\", "/" or a letter) is never
// examined on its own.
#pragma once

inline bool IsSjisLeadByte(unsigned char c) {
    return (c >= 0x80 && c <= 0xA0) || c >= 0xE0;
}
