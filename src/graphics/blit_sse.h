// What the SSE paths of the blend-mode blits share: the SSE integer
// instructions on MMX registers (pavgb, movntq), non-temporal stores and the
// loop wrapper. Only source files compiled for SSE include this.
#pragma once

#include <xmmintrin.h>

#include "graphics/blit_mmx.h"

namespace blit {

// Two pixels written past the cache.
struct StreamingStore {
    void operator()(Color32* pixels, __m64 pair) const {
        _mm_stream_pi(reinterpret_cast<__m64*>(pixels), pair);
    }
};

// Rows narrower than this are stored through the cache even where the path
// streams: a few streamed pixels, and the fence that must follow them, cost
// far more than they save (small parts such as a transition's 4 x 4 cells
// are drawn by the tens of thousands a frame). The pixels are the same.
constexpr int kNarrowestStreamedRow = 32;

// The pair loop, then SFENCE (the streamed stores are done before anyone
// reads the pixels) and EMMS.
template <class Op, class Store, int kStep = 2>
void SsePairs(const BlitRows& rows) {
    if (rows.width < kNarrowestStreamedRow) {
        BlendRowsInPairs<Op, CachedStore, kStep>(rows);
    } else {
        BlendRowsInPairs<Op, Store, kStep>(rows);
        _mm_sfence();
    }
    _mm_empty();
}

}  // namespace blit
