// Multiply blend, MMX path. Differences from the plain path, all in the
// alpha byte: the opaque variant multiplies the alpha bytes like colours,
// the half variant gives ((s_alpha >> 1) x d_alpha) >> 8, the alpha variant
// (((s_alpha x a) >> 8) x d_alpha) >> 8, and the opacity and alpha x opacity
// variants 0.
#include "graphics/blit_mmx.h"

namespace {

struct Opaque {
    explicit Opaque(int) {}
    __m64 Lanes(__m64 s, __m64 d) const { return MulShift8(d, s); }
};

class ByOpacity {
public:
    explicit ByOpacity(int opacity)
        : opacity_(Broadcast(opacity)), all255_(Broadcast(255)), colours_(ColourLanes()) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        const __m64 lightened = _mm_xor_si64(MulShift8(_mm_xor_si64(s, all255_), opacity_), all255_);
        return _mm_and_si64(MulShift8(d, lightened), colours_);
    }

private:
    __m64 opacity_;
    __m64 all255_;
    __m64 colours_;
};

// (s >> 1) + 128 on the colour lanes, s >> 1 on the alpha lane.
class Half {
public:
    explicit Half(int) : offset_(LaneValues(128, 0)) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        return MulShift8(d, _mm_add_pi16(_mm_srli_pi16(s, 1), offset_));
    }

private:
    __m64 offset_;
};

// The colours lightened by alpha, the alpha lane weighted by it.
class ByAlpha {
public:
    explicit ByAlpha(int) : flip_(LaneValues(255, 0)) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 weighted = MulShift8(_mm_xor_si64(Widen(s), flip_), AllLanes(AlphaOf(s)));
        return Narrow(MulShift8(Widen(d), _mm_xor_si64(weighted, flip_)));
    }

private:
    __m64 flip_;
};

class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity)
        : opacity_(Broadcast(opacity)), all255_(Broadcast(255)), colours_(ColourLanes()) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 distance = MulShift8(MulShift8(_mm_xor_si64(Widen(s), all255_), opacity_),
                                         AllLanes(AlphaOf(s)));
        return Narrow(_mm_and_si64(MulShift8(Widen(d), _mm_xor_si64(distance, all255_)), colours_));
    }

private:
    __m64 opacity_;
    __m64 all255_;
    __m64 colours_;
};

}  // namespace

extern const BlitVariants kMultiplyMmx =
    MmxVariants<LanewiseOp<Opaque>, LanewiseOp<ByOpacity>, LanewiseOp<Half>, ByAlpha, ByAlphaOpacity>();
