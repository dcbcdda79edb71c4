// Add and Sub blends, MMX paths. Differences from the plain path: the opaque
// variants add or subtract the alpha byte like a colour, and the alpha
// variants have no exact case at alpha 255 (the source is weighted by
// (s x 255) >> 8) and weight the alpha byte by itself too.
#include "graphics/blit_add_sub_mmx.h"

namespace {

template <class Step>
struct SaturatingBlendMmx {
    // All four bytes.
    struct Opaque {
        explicit Opaque(int) {}
        __m64 Bytes(__m64 s, __m64 d) const { return Step::Bytes(d, s); }
    };

    // The colours weighted by the opacity; the alpha lane gets 0.
    class ByOpacity {
    public:
        explicit ByOpacity(int opacity) : weight_(LaneValues(opacity, 0)) {}
        __m64 Lanes(__m64 s, __m64 d) const { return Step::Lanes(d, MulShift8(s, weight_)); }

    private:
        __m64 weight_;
    };

    struct Half {
        explicit Half(int) {}
        __m64 Bytes(__m64 s, __m64 d) const { return Step::Bytes(d, HalveColours(s)); }
    };

    struct ByAlpha {
        explicit ByAlpha(int) {}
        Color32 operator()(Color32 s, Color32 d) const {
            return Narrow(Step::Lanes(Widen(d), MulShift8(Widen(s), AllLanes(AlphaOf(s)))));
        }
    };

    // The colours weighted by (alpha x opacity) >> 8 (weight 0 adds or
    // takes nothing).
    class ByAlphaOpacity {
    public:
        explicit ByAlphaOpacity(int opacity) : opacity_(LaneValues(opacity, 0)) {}
        Color32 operator()(Color32 s, Color32 d) const {
            const __m64 weight = MulShift8(AllLanes(AlphaOf(s)), opacity_);
            return Narrow(Step::Lanes(Widen(d), MulShift8(Widen(s), weight)));
        }

    private:
        __m64 opacity_;
    };

    static constexpr BlitVariants Mmx() {
        return MmxVariants<BytewiseOp<Opaque>, LanewiseOp<ByOpacity>, BytewiseOp<Half>, ByAlpha,
                           ByAlphaOpacity>();
    }
};

}  // namespace

extern const BlitVariants kAddMmx = SaturatingBlendMmx<MmxAddStep>::Mmx();
extern const BlitVariants kSubMmx = SaturatingBlendMmx<MmxSubtractStep>::Mmx();
