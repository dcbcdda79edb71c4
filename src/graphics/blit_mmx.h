// What the MMX paths of the blend-mode blits share: moving pixels between
// memory, 8-bit and 16-bit lanes, the loops over pairs of pixels, and the
// wrappers that end every MMX loop with EMMS. Only source files compiled for
// MMX (or SSE) include this.
#pragma once

#include <mmintrin.h>

#include <cstdint>
#include <type_traits>

#include "graphics/blit_loops.h"

namespace blit {

// Two pixels from or to memory that need only be 4-byte aligned.
inline __m64 LoadPair(const Color32* pixels) { return *reinterpret_cast<const __m64_u*>(pixels); }

struct CachedStore {
    void operator()(Color32* pixels, __m64 pair) const {
        *reinterpret_cast<__m64_u*>(pixels) = pair;
    }
};

// One pixel's B, G, R and A widened to four 16-bit lanes, and back with
// unsigned saturation.
inline __m64 Widen(Color32 pixel) {
    return _mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(pixel)), _mm_setzero_si64());
}
inline Color32 Narrow(__m64 lanes) {
    return static_cast<Color32>(_mm_cvtsi64_si32(_mm_packs_pu16(lanes, _mm_setzero_si64())));
}

// Lanes B, G, R holding `colour` and lane A holding `alpha`.
inline __m64 LaneValues(int colour, int alpha) {
    return _mm_set_pi16(static_cast<short>(alpha), static_cast<short>(colour),
                        static_cast<short>(colour), static_cast<short>(colour));
}

// `value` (0..65535) in all four lanes, built in registers.
inline __m64 Broadcast(int value) {
    const __m64 twice = _mm_cvtsi32_si64(static_cast<int>(static_cast<uint32_t>(value) * 0x10001u));
    return _mm_unpacklo_pi32(twice, twice);
}

// Every byte value in all four lanes, so that a pixel's alpha becomes a
// weight with one load.
struct LaneTable {
    alignas(8) uint64_t lanes[256];
};

constexpr LaneTable MakeLaneTable() {
    LaneTable table{};
    for (uint64_t value = 0; value < 256; ++value) table.lanes[value] = value * 0x0001000100010001;
    return table;
}

inline constexpr LaneTable kLaneTable = MakeLaneTable();

// `value` (0..255) in all four lanes.
inline __m64 AllLanes(int value) {
    return *reinterpret_cast<const __m64*>(&kLaneTable.lanes[value]);
}

// All ones in lanes B, G and R, zero in lane A.
inline __m64 ColourLanes() { return _mm_set_pi16(0, -1, -1, -1); }

// (a x b) >> 8 per lane, for products below 65536.
inline __m64 MulShift8(__m64 a, __m64 b) { return _mm_srli_pi16(_mm_mullo_pi16(a, b), 8); }

// (s x sourceWeight + d x destWeight) >> 8 per lane, for sums below 65536.
inline __m64 MixLanes(__m64 s, __m64 d, __m64 sourceWeight, __m64 destWeight) {
    return _mm_srli_pi16(
        _mm_add_pi16(_mm_mullo_pi16(s, sourceWeight), _mm_mullo_pi16(d, destWeight)), 8);
}

// The colour bytes of two pixels halved (s >> 1), their alpha bytes 0.
inline __m64 HalveColours(__m64 pair) {
    return _mm_and_si64(_mm_srli_si64(pair, 1), _mm_set_pi32(0x007F7F7F, 0x007F7F7F));
}

// The byte operations more than one mode and path share.
struct CopySource {
    explicit CopySource(int) {}
    __m64 Bytes(__m64 s, __m64) const {
        // Held in an MMX register, so that the copy moves 8 bytes an
        // instruction instead of being split into 32-bit moves.
        asm("" : "+y"(s));
        return s;
    }
};

// The base of the operations that also take a pair of pixels, `__m64
// Pair(s, d)`. One that leaves the destination under a transparent source
// pixel sets kKeepsUnderTransparent, so that the loops skip pairs of them.
struct TakesPairs {
    static constexpr bool kKeepsUnderTransparent = false;
};

// An operation on the bytes of two pixels at once, `__m64 Bytes(s, d)`,
// applied to one pixel or to a pair.
template <class Op>
struct BytewiseOp : Op, TakesPairs {
    using Op::Op;
    Color32 operator()(Color32 s, Color32 d) const {
        return static_cast<Color32>(_mm_cvtsi64_si32(this->Bytes(
            _mm_cvtsi32_si64(static_cast<int>(s)), _mm_cvtsi32_si64(static_cast<int>(d)))));
    }
    __m64 Pair(__m64 s, __m64 d) const { return this->Bytes(s, d); }
};

// An operation on the four 16-bit lanes of one pixel, `__m64 Lanes(s, d)`,
// applied to one pixel or to each pixel of a pair.
template <class Op>
struct LanewiseOp : Op, TakesPairs {
    using Op::Op;
    Color32 operator()(Color32 s, Color32 d) const {
        return Narrow(this->Lanes(Widen(s), Widen(d)));
    }
    __m64 Pair(__m64 s, __m64 d) const {
        const __m64 zero = _mm_setzero_si64();
        const __m64 low = this->Lanes(_mm_unpacklo_pi8(s, zero), _mm_unpacklo_pi8(d, zero));
        const __m64 high = this->Lanes(_mm_unpackhi_pi8(s, zero), _mm_unpackhi_pi8(d, zero));
        return _mm_packs_pu16(low, high);
    }
};

// A pixel's alpha lane copied into all four lanes, built in registers.
inline __m64 AlphaLanes(__m64 lanes) {
    const __m64 upper = _mm_unpackhi_pi16(lanes, lanes);
    return _mm_unpackhi_pi32(upper, upper);
}

// An operation on the four 16-bit lanes of one pixel weighted by the
// pixel's alpha, `__m64 Lanes(s, d, alpha)` with the source alpha in all
// four lanes, applied to one pixel or to each pixel of a pair; kKeeps says
// whether it leaves the destination under a transparent source pixel.
template <class Op, bool kKeeps = false>
struct AlphaLanewiseOp : Op, TakesPairs {
    using Op::Op;
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 source = Widen(s);
        return Narrow(this->Lanes(source, Widen(d), AlphaLanes(source)));
    }
    __m64 Pair(__m64 s, __m64 d) const {
        const __m64 zero = _mm_setzero_si64();
        const __m64 sourceLow = _mm_unpacklo_pi8(s, zero);
        const __m64 sourceHigh = _mm_unpackhi_pi8(s, zero);
        const __m64 low =
            this->Lanes(sourceLow, _mm_unpacklo_pi8(d, zero), AlphaLanes(sourceLow));
        const __m64 high =
            this->Lanes(sourceHigh, _mm_unpackhi_pi8(d, zero), AlphaLanes(sourceHigh));
        return _mm_packs_pu16(low, high);
    }
    static constexpr bool kKeepsUnderTransparent = kKeeps;
};

// The pair at `x` blended into the destination, unless the operation leaves
// it under two transparent source pixels.
template <class Op, class Store>
inline void BlendPair(const Op& op, const Store& store, const Color32* source, Color32* dest,
                      int x) {
    if (Op::kKeepsUnderTransparent && ((source[x] | source[x + 1]) >> 24) == 0) return;
    store(dest + x, op.Pair(LoadPair(source + x), LoadPair(dest + x)));
}

// Whether a pixel lies between two 8-byte boundaries: a pair stored there
// would straddle one, and a streamed pair that straddles a cache line is
// split into partial line writes.
inline bool StartsMidPair(const Color32* pixel) {
    return (reinterpret_cast<uintptr_t>(pixel) & (sizeof(__m64) - 1)) != 0;
}

// The one-to-one loop over pairs: the source row read ahead, one pixel first
// where the destination row starts between two 8-byte boundaries, then kStep
// pixels (two or four) per step, stored two at a time by Store at whole
// 8-byte places, and one pixel last where one is left over.
template <class Op, class Store, int kStep>
void BlendRowsInPairs(const BlitRows& work) {
    static_assert(kStep == 2 || kStep == 4, "pairs or quads");
    const BlitRows rows = work;
    const Op op(rows.opacity);
    const Store store;
    Color32* dest = rows.dest;
    const Color32* source = rows.source;
    for (int y = 0; y < rows.height; ++y) {
        ReadAhead(source, rows.width);
        int x = 0;
        if (rows.width > 0 && StartsMidPair(dest)) {
            dest[0] = op(source[0], dest[0]);
            x = 1;
        }
        const int pairsEnd = x + ((rows.width - x) & ~1);
        if (kStep == 4 && ((pairsEnd - x) & 2)) {
            BlendPair(op, store, source, dest, x);
            x += 2;
        }
        for (; x < pairsEnd; x += kStep) {
            BlendPair(op, store, source, dest, x);
            if (kStep == 4) BlendPair(op, store, source, dest, x + 2);
        }
        if (x < rows.width) dest[x] = op(source[x], dest[x]);
        dest += rows.width + rows.destSkip;
        source += rows.width + rows.sourceSkip;
    }
}

// The scaled loop over pairs: one pixel first when the width is odd, then
// two source samples gathered into one register per step.
template <class Op>
void BlendScaledRowsInPairs(const ScaledBlitRows& work) {
    const ScaledBlitRows rows = work;
    const Op op(rows.opacity);
    const CachedStore store;
    Color32* dest = rows.dest;
    for (int y = 0; y < rows.height; ++y) {
        ScaledRowSamples samples(rows, y);
        int x = 0;
        if (rows.width & 1) {
            dest[0] = op(samples.Next(), dest[0]);
            x = 1;
        }
        for (; x < rows.width; x += 2) {
            const Color32 first = samples.Next();
            const Color32 second = samples.Next();
            if (Op::kKeepsUnderTransparent && ((first | second) >> 24) == 0) continue;
            const __m64 pair = _mm_unpacklo_pi32(_mm_cvtsi32_si64(static_cast<int>(first)),
                                                 _mm_cvtsi32_si64(static_cast<int>(second)));
            store(dest + x, op.Pair(pair, LoadPair(dest + x)));
        }
        dest += rows.width + rows.destSkip;
    }
}

template <class Op, int kStep = 2>
void MmxPairs(const BlitRows& rows) {
    BlendRowsInPairs<Op, CachedStore, kStep>(rows);
    _mm_empty();
}

// Two pixels at a time where the operation takes pairs, else one.
template <class Op>
void MmxRows(const BlitRows& rows) {
    if constexpr (std::is_base_of_v<TakesPairs, Op>)
        BlendRowsInPairs<Op, CachedStore, 2>(rows);
    else
        BlendRows<Op, true>(rows);
    _mm_empty();
}

template <class Op>
void MmxScaled(const ScaledBlitRows& rows) {
    if constexpr (std::is_base_of_v<TakesPairs, Op>)
        BlendScaledRowsInPairs<Op>(rows);
    else
        BlendScaledRows<Op>(rows);
    _mm_empty();
}

// A mode's MMX table: the opaque variant kOpaqueStep pixels a step, the
// others two at a time where their operation takes pairs.
template <class Opaque, class Opacity, class Half, class Alpha, class AlphaOpacity,
          int kOpaqueStep = 2>
constexpr BlitVariants MmxVariants() {
    return {&MmxPairs<Opaque, kOpaqueStep>,
            &MmxRows<Opacity>,
            &MmxPairs<Half>,
            &MmxRows<Alpha>,
            &MmxRows<AlphaOpacity>,
            &MmxScaled<Opaque>,
            &MmxScaled<Opacity>,
            &MmxScaled<Alpha>,
            &MmxScaled<AlphaOpacity>};
}

}  // namespace blit
