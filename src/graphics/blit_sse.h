// What the SSE paths of the blend-mode blits share: the SSE integer
// instructions on MMX registers (pavgb, movntq), non-temporal stores and the
// loop wrapper. Only source files compiled for SSE include this.
#pragma once

#include <xmmintrin.h>

#include "graphics/blit_mmx.h"

// Two pixels written past the cache.
struct StreamingStore {
    void operator()(Color32* pixels, __m64 pair) const {
        _mm_stream_pi(reinterpret_cast<__m64*>(pixels), pair);
    }
};

// The pair loop, then SFENCE (the streamed stores are done before anyone
// reads the pixels) and EMMS.
template <class Op, class Store, int kStep = 2>
void SsePairs(const BlitRows& rows) {
    BlendRowsInPairs<Op, Store, kStep>(rows);
    _mm_sfence();
    _mm_empty();
}
