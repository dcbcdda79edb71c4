// What the MMX and SSE fill loops share: pairs of pixels in MMX registers,
// the operations on them, and the walk over each span (one pixel first when
// the span's length is odd, then two a step). Only source files compiled for
// MMX or SSE include this.
#pragma once

#include <mmintrin.h>

#include "graphics/fill_loops.h"

// Two pixels from or to memory that need only be 4-byte aligned.
inline __m64 LoadPair(const Color32* pixels) { return *reinterpret_cast<const __m64_u*>(pixels); }

struct CachedStore {
    void operator()(Color32* pixels, __m64 pair) const {
        *reinterpret_cast<__m64_u*>(pixels) = pair;
    }
};

// One word in both halves.
inline __m64 WordPair(Color32 word) { return _mm_set1_pi32(static_cast<int>(word)); }

// Four 16-bit lanes: blue, green, red, alpha.
inline __m64 Lanes(int blue, int green, int red, int alpha) {
    return _mm_set_pi16(static_cast<short>(alpha), static_cast<short>(red),
                        static_cast<short>(green), static_cast<short>(blue));
}
inline __m64 ColourLanes(Color32 colour, int alpha) {
    return Lanes(static_cast<int>(colour & 255), static_cast<int>(colour >> 8 & 255),
                 static_cast<int>(colour >> 16 & 255), alpha);
}
inline __m64 SameLanes(int value) { return _mm_set1_pi16(static_cast<short>(value)); }

// An operation on 16-bit lanes, `__m64 Lanes16(__m64)`, applied to the bytes
// of two pixels: each pixel widened, changed and narrowed again.
template <class Op>
struct Lanewise : Op {
    using Op::Op;
    __m64 operator()(__m64 pair) const {
        const __m64 zero = _mm_setzero_si64();
        return _mm_packs_pu16(this->Lanes16(_mm_unpacklo_pi8(pair, zero)),
                              this->Lanes16(_mm_unpackhi_pi8(pair, zero)));
    }
};

// Every span of the area through `op`, a function of the bytes of two pixels
// (a single pixel travels in the low half), stored by Store.
template <class Op, class Store = CachedStore>
void EachPair(CFillArea area, const Op& op) {
    const Store store;
    FillSpan span;
    while (area.Next(span)) {
        Color32* pixels = span.pixels;
        if (span.count & 1) {
            *pixels = static_cast<Color32>(
                _mm_cvtsi64_si32(op(_mm_cvtsi32_si64(static_cast<int>(*pixels)))));
            ++pixels;
        }
        for (int pairs = span.count >> 1; pairs > 0; --pairs, pixels += 2) {
            store(pixels, op(LoadPair(pixels)));
        }
    }
}

// op(pixels, colour) of two pixels and the colour word in both halves,
// where op combines the bytes of two pairs.
template <class ByteOp>
class WithColour {
public:
    explicit WithColour(Color32 colour) : colour_(WordPair(colour)) {}
    __m64 operator()(__m64 pair) const { return ByteOp()(pair, colour_); }

private:
    __m64 colour_;
};

struct TakeColour {
    __m64 operator()(__m64, __m64 colour) const { return colour; }
};

// (d >> shift) + (c >> shift) on blue, green and red; alpha 0.
class ShiftedSum {
public:
    ShiftedSum(Color32 colour, int shift)
        : shift_(_mm_cvtsi32_si64(shift)),
          mask_(WordPair((0xFFu >> shift) * 0x010101u)),
          add_(_mm_and_si64(_mm_srl_si64(WordPair(colour), shift_), mask_)) {}
    __m64 operator()(__m64 pair) const {
        return _mm_add_pi8(_mm_and_si64(_mm_srl_si64(pair, shift_), mask_), add_);
    }

private:
    __m64 shift_;
    __m64 mask_;
    __m64 add_;
};
