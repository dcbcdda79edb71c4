// Normal blend, SSE path: the copy four pixels per step, and the half blend
// as the rounded-up average of all four bytes (pavgb), alpha included; both
// written with non-temporal stores.
#include "graphics/blit_sse.h"

namespace {

struct RoundedAverage {
    explicit RoundedAverage(int) {}
    __m64 Bytes(__m64 s, __m64 d) const { return _mm_avg_pu8(s, d); }
};

}  // namespace

extern const BlitVariants kNormalSse =
    OpaqueAndHalfOnly(&SsePairs<BytewiseOp<CopySource>, StreamingStore, 4>,
                      &SsePairs<BytewiseOp<RoundedAverage>, StreamingStore>);
