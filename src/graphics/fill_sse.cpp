// The SSE fill loops: the SSE integer instructions on MMX registers (the
// rounded average) and stores that go past the cache, which a fill of a
// whole frame would only flush out again.
#include <xmmintrin.h>

#include "graphics/fill_mmx.h"

namespace {

struct StreamingStore {
    void operator()(Color32* pixels, __m64 pair) const {
        _mm_stream_pi(reinterpret_cast<__m64*>(pixels), pair);
    }
};

// (d + c + 1) >> 1 on all four bytes.
class RoundedAverage {
public:
    explicit RoundedAverage(Color32 colour) : pair_(WordPair(colour)) {}
    __m64 operator()(__m64 pair) const { return _mm_avg_pu8(pair, pair_); }

private:
    __m64 pair_;
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
    StreamPairs(area, StoredPair(terms.colour));
}

void ShiftedSumSse(CFillArea area, const FillTerms& terms) {
    StreamPairs(area, ShiftedSum(terms.colour, terms.parameter));
}

void AverageSse(CFillArea area, const FillTerms& terms) {
    StreamPairs(area, RoundedAverage(terms.colour));
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
