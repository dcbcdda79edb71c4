// Screen blend, MMX path. Differences from the plain path: a weighted source
// t is screened against 255, 255 - (((255 - t) x (255 - d)) >> 8), so weight
// 0 is not exact; the alpha byte of the opaque, half and alpha variants is
// the product (t_alpha x d_alpha) >> 8 of the alpha bytes, with t_alpha the
// source alpha as that variant weights it (opacity and alpha x opacity: 0).
#include "graphics/blit_mmx.h"

namespace {

// The colour lanes screened, 255 - (((255 - t) x (255 - d)) >> 8); the alpha
// lane multiplied, (t x d) >> 8.
class Screening {
public:
    Screening() : flip_(LaneValues(255, 0)) {}
    __m64 operator()(__m64 t, __m64 d) const {
        return _mm_xor_si64(MulShift8(_mm_xor_si64(t, flip_), _mm_xor_si64(d, flip_)), flip_);
    }

private:
    __m64 flip_;
};

class Opaque {
public:
    explicit Opaque(int) {}
    __m64 Lanes(__m64 s, __m64 d) const { return screen_(s, d); }

private:
    Screening screen_;
};

class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(Broadcast(opacity)), colours_(ColourLanes()) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        return _mm_and_si64(screen_(MulShift8(s, opacity_), d), colours_);
    }

private:
    Screening screen_;
    __m64 opacity_;
    __m64 colours_;
};

class Half {
public:
    explicit Half(int) {}
    __m64 Lanes(__m64 s, __m64 d) const { return screen_(_mm_srli_pi16(s, 1), d); }

private:
    Screening screen_;
};

class ByAlpha {
public:
    explicit ByAlpha(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return Narrow(screen_(MulShift8(Widen(s), AllLanes(AlphaOf(s))), Widen(d)));
    }

private:
    Screening screen_;
};

class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(Broadcast(opacity)), colours_(ColourLanes()) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 t = MulShift8(MulShift8(Widen(s), opacity_), AllLanes(AlphaOf(s)));
        return Narrow(_mm_and_si64(screen_(t, Widen(d)), colours_));
    }

private:
    Screening screen_;
    __m64 opacity_;
    __m64 colours_;
};

}  // namespace

extern const BlitVariants kScreenMmx =
    MmxVariants<LanewiseOp<Opaque>, LanewiseOp<ByOpacity>, LanewiseOp<Half>, ByAlpha, ByAlphaOpacity>();
