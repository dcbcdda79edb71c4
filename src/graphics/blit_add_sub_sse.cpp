// Add and Sub blends, SSE paths, on all four bytes: the opaque variants
// written with non-temporal stores, the half variants with the half rounded
// up, (s + 1) >> 1 (pavgb against zero).
#include "graphics/blit_add_sub_mmx.h"
#include "graphics/blit_sse.h"

namespace {

template <class Step>
struct SaturatingBlendSse {
    struct Opaque {
        explicit Opaque(int) {}
        __m64 Bytes(__m64 s, __m64 d) const { return Step::Bytes(d, s); }
    };

    struct Half {
        explicit Half(int) {}
        __m64 Bytes(__m64 s, __m64 d) const { return Step::Bytes(d, _mm_avg_pu8(s, _mm_setzero_si64())); }
    };

    static constexpr BlitVariants Sse() {
        return OpaqueAndHalfOnly(&SsePairs<BytewiseOp<Opaque>, StreamingStore>,
                                 &SsePairs<BytewiseOp<Half>, CachedStore>);
    }
};

}  // namespace

extern const BlitVariants kAddSse = SaturatingBlendSse<MmxAddStep>::Sse();
extern const BlitVariants kSubSse = SaturatingBlendSse<MmxSubtractStep>::Sse();
