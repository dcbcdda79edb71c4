// The two loops every blend-mode blit runs: one to one and scaled. They are
// templates over a pixel operation, a type constructed once per call from
// the opacity whose call operator gives the new destination pixel from a
// source and a destination pixel. The plain path instantiates them with its
// operations; the SIMD paths with theirs (and add their own loops over pairs
// of pixels in blit_mmx.h).
#pragma once

#include <cstdint>
#include <cstring>

#include "graphics/blit_variants.h"

namespace blit {

// Reads one word of every 32 bytes of a source row (two per 64-byte block,
// width / 16 blocks) so that the row is in the cache before the SIMD loops
// go through it.
inline void ReadAhead(const Color32* row, int width) {
    const volatile Color32* word = row;
    for (int block = 0; block < width / 16; ++block, word += 16) {
        (void)word[0];
        (void)word[8];
    }
}

// The loops take their own copy of the work, so that the compiler need not
// read it again after every store of a pixel.
template <class Op, bool kReadAhead = false>
void BlendRows(const BlitRows& work) {
    const BlitRows rows = work;
    const Op op(rows.opacity);
    Color32* dest = rows.dest;
    const Color32* source = rows.source;
    for (int y = 0; y < rows.height; ++y) {
        if (kReadAhead) ReadAhead(source, rows.width);
        for (int x = 0; x < rows.width; ++x) dest[x] = op(source[x], dest[x]);
        dest += rows.width + rows.destSkip;
        source += rows.width + rows.sourceSkip;
    }
}

// The source pixels that one destination row of a scaled blit samples, in
// order.
class ScaledRowSamples {
public:
    ScaledRowSamples(const ScaledBlitRows& rows, int y)
        : source_(rows.source +
                  static_cast<int>((rows.vStart + int64_t(y) * rows.vStep) >> 16) *
                      rows.sourceWidth +
                  rows.sourceLeft + (rows.uStart >> 16)),
          fraction_(rows.uStart & 0xFFFF),
          step_(rows.uStep) {}

    Color32 Next() {
        const Color32 pixel = *source_;
        fraction_ += step_;
        source_ += fraction_ >> 16;
        fraction_ &= 0xFFFF;
        return pixel;
    }

private:
    const Color32* source_;
    uint32_t fraction_;
    uint32_t step_;
};

template <class Op>
void BlendScaledRows(const ScaledBlitRows& work) {
    const ScaledBlitRows rows = work;
    const Op op(rows.opacity);
    Color32* dest = rows.dest;
    for (int y = 0; y < rows.height; ++y) {
        ScaledRowSamples samples(rows, y);
        for (int x = 0; x < rows.width; ++x) dest[x] = op(samples.Next(), dest[x]);
        dest += rows.width + rows.destSkip;
    }
}

// Whole rows copied, for the copying blits.
inline void CopyRows(const BlitRows& work) {
    const BlitRows rows = work;
    Color32* dest = rows.dest;
    const Color32* source = rows.source;
    for (int y = 0; y < rows.height; ++y) {
        std::memcpy(dest, source, rows.width * sizeof(Color32));
        dest += rows.width + rows.destSkip;
        source += rows.width + rows.sourceSkip;
    }
}

template <class Opaque, class Opacity, class Half, class Alpha, class AlphaOpacity,
          BlitLoop kOpaqueLoop = &BlendRows<Opaque>>
constexpr BlitVariants PlainVariants() {
    return {kOpaqueLoop,
            &BlendRows<Opacity>,
            &BlendRows<Half>,
            &BlendRows<Alpha>,
            &BlendRows<AlphaOpacity>,
            &BlendScaledRows<Opaque>,
            &BlendScaledRows<Opacity>,
            &BlendScaledRows<Alpha>,
            &BlendScaledRows<AlphaOpacity>};
}

// The pixel whose B, G and R are f(source channel, destination channel) and
// whose alpha byte is `alpha`.
template <class Channel>
inline Color32 CombineChannels(Color32 s, Color32 d, uint32_t alpha, Channel f) {
    return static_cast<uint32_t>(f(int(s & 255), int(d & 255))) |
           static_cast<uint32_t>(f(int(s >> 8 & 255), int(d >> 8 & 255))) << 8 |
           static_cast<uint32_t>(f(int(s >> 16 & 255), int(d >> 16 & 255))) << 16 | alpha << 24;
}

inline int AlphaOf(Color32 pixel) { return static_cast<int>(pixel >> 24); }

}  // namespace blit
