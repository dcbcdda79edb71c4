// The SSE fill loops: the SSE integer instructions on MMX registers (the
// rounded average), and for the loops that only store, stores that go past
// the cache, which a fill of a whole frame would only flush out again. The
// loops that read each pixel first keep their stores in the cache: it holds
// the pixels just read, and streaming them out costs more than it saves.
#include <xmmintrin.h>

#include "graphics/fill_mmx.h"

namespace {

struct StreamingStore {
    void operator()(Color32* pixels, __m64 pair) const {
        _mm_stream_pi(reinterpret_cast<__m64*>(pixels), pair);
    }
};

// (d + c + 1) >> 1 on all four bytes.
struct RoundedAverage {
    __m64 operator()(__m64 d, __m64 c) const { return _mm_avg_pu8(d, c); }
};

// The streamed stores are done before anyone reads the pixels (SFENCE);
// then the MMX state is left (EMMS).
inline void EndStreaming() {
    _mm_sfence();
    _mm_empty();
}

template <class Op>
void StreamPairs(CFillArea area, const Op& op) {
    EachPair<Op, StreamingStore>(area, op);
    EndStreaming();
}

}  // namespace

void StoreColourSse(CFillArea area, const FillTerms& terms) {
    StreamPairs(area, WithColour<TakeColour>(terms.colour));
}

void AverageSse(CFillArea area, const FillTerms& terms) {
    EachPair(area, WithColour<RoundedAverage>(terms.colour));
    _mm_empty();
}

void FillWordsSse(Color32* pixels, size_t count, Color32 colour) {
    const __m64 pair = WordPair(colour);
    const StreamingStore store;
    for (size_t steps = count / 8; steps > 0; --steps, pixels += 8) {
        store(pixels, pair);
        store(pixels + 2, pair);
        store(pixels + 4, pair);
        store(pixels + 6, pair);
    }
    if (count & 4) {
        store(pixels, pair);
        store(pixels + 2, pair);
        pixels += 4;
    }
    if (count & 2) {
        store(pixels, pair);
        pixels += 2;
    }
    if (count & 1) *pixels = colour;
    EndStreaming();
}
