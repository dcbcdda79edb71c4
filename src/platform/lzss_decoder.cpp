#include <cstring>
#include <memory>

#include "platform/lzss.h"

namespace {

using lzss::kMinMatch;
using lzss::kRingSize;
using lzss::kRingStart;

// The whole output serves as the ring: the ring slot a reference names was
// last written `distance` bytes before the current output position (4096
// when the slot is the one about to be written), and a slot never written
// still holds its initial zero. So no separate ring has to be kept up.
bool Decode(const uint8_t* in, const uint8_t* inEnd, uint8_t* out, uint32_t size) {
    uint8_t* const begin = out;
    uint8_t* const end = out + size;
    for (;;) {
        if (in == inEnd) return false;
        unsigned flags = *in++;
        for (int item = 0; item < 8; ++item, flags >>= 1) {
            if (flags & 1) {
                if (in == inEnd) return false;
                *out++ = *in++;
            } else {
                if (inEnd - in < 2) return false;
                uint32_t ringPosition = in[0] | ((in[1] & 0xF0u) << 4);
                uint32_t length = (in[1] & 0x0Fu) + kMinMatch;
                in += 2;
                uint32_t produced = static_cast<uint32_t>(out - begin);
                uint32_t distance = (kRingStart + produced - ringPosition) & (kRingSize - 1);
                if (distance == 0) distance = kRingSize;
                uint32_t left = static_cast<uint32_t>(end - out);
                if (length > left) length = left;
                if (distance > produced) {
                    uint32_t zeros = distance - produced < length ? distance - produced : length;
                    std::memset(out, 0, zeros);
                    out += zeros;
                    length -= zeros;
                }
                if (length) {
                    const uint8_t* from = out - distance;
                    // A distance shorter than the length repeats the bytes
                    // this reference is writing, so copy one by one.
                    for (uint32_t k = 0; k < length; ++k) out[k] = from[k];
                    out += length;
                }
            }
            if (out == end) return true;
        }
    }
}

}  // namespace

int LzssDecode(const uint8_t* source, uint32_t sourceSize, uint8_t*& destination,
               uint32_t size, bool allocate) {
    if (size == 0) return 1;
    std::unique_ptr<uint8_t[]> allocated;
    if (allocate) allocated.reset(new uint8_t[size]);
    uint8_t* out = allocate ? allocated.get() : destination;
    if (!Decode(source, source + sourceSize, out, size)) return 2;
    if (allocate) destination = allocated.release();
    return 0;
}

uint64_t LzssMaxUnpackedSize(uint32_t sourceSize) {
    // No two packed bytes give more than one reference of the longest length.
    return static_cast<uint64_t>(sourceSize) * lzss::kMaxMatch / 2;
}
