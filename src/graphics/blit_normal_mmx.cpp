// Normal blend, MMX path. Differences from the plain path: the opacity and
// alpha x opacity variants keep the destination's alpha byte, the alpha
// variant mixes the alpha byte like a colour, and the half variant halves
// each operand before the sum.
#include "graphics/blit_mmx.h"

namespace {

// Colours mixed by the opacity; the alpha lane keeps the destination's.
class MixByOpacity {
public:
    explicit MixByOpacity(int opacity)
        : sourceWeight_(LaneValues(opacity, 0)), destWeight_(LaneValues(256 - opacity, 256)) {}
    __m64 Lanes(__m64 s, __m64 d) const { return MixLanes(s, d, sourceWeight_, destWeight_); }

private:
    __m64 sourceWeight_;
    __m64 destWeight_;
};

// (s >> 1) + (d >> 1) per colour, alpha 0.
struct SumOfHalves {
    explicit SumOfHalves(int) {}
    __m64 Bytes(__m64 s, __m64 d) const { return _mm_add_pi8(HalveColours(s), HalveColours(d)); }
};

// All four bytes mixed by the source alpha; a copy at 255, nothing at 0.
class MixByAlpha {
public:
    explicit MixByAlpha(int) : all256_(Broadcast(256)) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        if (a == 255) return s;
        if (a == 0) return d;
        const __m64 weight = AllLanes(a);
        return Narrow(MixLanes(Widen(s), Widen(d), weight, _mm_sub_pi16(all256_, weight)));
    }

private:
    __m64 all256_;
};

// Colours mixed by (alpha x opacity) >> 8 (weight 0 leaves them); the alpha
// lane keeps the destination's.
class MixByAlphaOpacity {
public:
    explicit MixByAlphaOpacity(int opacity) : opacity_(LaneValues(opacity, 0)), all256_(Broadcast(256)) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 weight = MulShift8(AllLanes(AlphaOf(s)), opacity_);
        return Narrow(MixLanes(Widen(s), Widen(d), weight, _mm_sub_pi16(all256_, weight)));
    }

private:
    __m64 opacity_;
    __m64 all256_;
};

}  // namespace

extern const BlitVariants kNormalMmx =
    MmxVariants<BytewiseOp<CopySource>, LanewiseOp<MixByOpacity>, BytewiseOp<SumOfHalves>, MixByAlpha,
                MixByAlphaOpacity, 4>();
