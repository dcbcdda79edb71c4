// Overlay blend, MMX path. Differences from the plain path: the screen
// branch begins at d = 128 (plain: above 128); the opaque variant leaves the
// alpha byte min(255, (s_alpha x d_alpha) >> 7), the opacity and alpha x
// opacity variants the destination's, and the half and alpha variants blend
// it like a colour (source alpha over destination alpha, same weight).
#include "graphics/blit_mmx.h"

namespace {

// Lanes of the screen branch: d >= 128.
inline __m64 LightLanes(__m64 d) { return _mm_cmpgt_pi16(d, _mm_set1_pi16(127)); }

inline __m64 Select(__m64 mask, __m64 ifSet, __m64 ifClear) {
    return _mm_or_si64(_mm_and_si64(mask, ifSet), _mm_andnot_si64(mask, ifClear));
}

// trunc(x / 256) of signed lanes: negative ones are raised by 255 first.
inline __m64 DivideBy256TowardZero(__m64 x) {
    const __m64 bias = _mm_srli_pi16(_mm_srai_pi16(x, 15), 8);
    return _mm_srai_pi16(_mm_add_pi16(x, bias), 8);
}

// The source moved towards 128 by weight lanes w: 128 + trunc((s - 128) x w / 256).
inline __m64 TowardsMiddle(__m64 s, __m64 w, __m64 all128) {
    return _mm_add_pi16(all128, DivideBy256TowardZero(_mm_mullo_pi16(_mm_sub_pi16(s, all128), w)));
}

// The weighted overlay of a moved source sw: (sw x d) >> 7 in dark lanes,
// 255 - (((256 - sw) x (255 - d)) >> 7) in light ones.
class Overlaying {
public:
    Overlaying() : all255_(_mm_set1_pi16(255)), all256_(_mm_set1_pi16(256)) {}
    __m64 operator()(__m64 sw, __m64 d, __m64 light) const {
        const __m64 dark = _mm_srli_pi16(_mm_mullo_pi16(sw, d), 7);
        const __m64 screened = _mm_sub_pi16(
            all255_, _mm_srli_pi16(_mm_mullo_pi16(_mm_sub_pi16(all256_, sw), _mm_sub_pi16(all255_, d)), 7));
        return Select(light, screened, dark);
    }

private:
    __m64 all255_;
    __m64 all256_;
};

// The alpha lane always takes the multiply branch, which narrowing
// saturates at 255.
class Opaque {
public:
    explicit Opaque(int) : all255_(_mm_set1_pi16(255)), colours_(ColourLanes()) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        const __m64 dark = _mm_srli_pi16(_mm_mullo_pi16(s, d), 7);
        const __m64 screened = _mm_sub_pi16(
            all255_, _mm_srli_pi16(_mm_mullo_pi16(_mm_sub_pi16(all255_, s), _mm_sub_pi16(all255_, d)), 7));
        return Select(_mm_and_si64(LightLanes(d), colours_), screened, dark);
    }

private:
    __m64 all255_;
    __m64 colours_;
};

// Weight 0 on the alpha lane keeps its source at 128, which leaves the
// destination's alpha.
class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(LaneValues(opacity, 0)), all128_(_mm_set1_pi16(128)) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        return overlay_(TowardsMiddle(s, opacity_, all128_), d, LightLanes(d));
    }

private:
    Overlaying overlay_;
    __m64 opacity_;
    __m64 all128_;
};

// Halfway to 128: (s + 128) >> 1 over light lanes, (s + 129) >> 1 over dark.
class Half {
public:
    explicit Half(int) : all128_(_mm_set1_pi16(128)), all129_(_mm_set1_pi16(129)) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        const __m64 light = LightLanes(d);
        const __m64 moved = Select(light, _mm_srli_pi16(_mm_add_pi16(s, all128_), 1),
                                   _mm_srli_pi16(_mm_add_pi16(s, all129_), 1));
        return overlay_(moved, d, light);
    }

private:
    Overlaying overlay_;
    __m64 all128_;
    __m64 all129_;
};

class ByAlpha {
public:
    explicit ByAlpha(int) : all128_(_mm_set1_pi16(128)) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 dest = Widen(d);
        return Narrow(overlay_(TowardsMiddle(Widen(s), Broadcast(AlphaOf(s)), all128_), dest, LightLanes(dest)));
    }

private:
    Overlaying overlay_;
    __m64 all128_;
};

class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(LaneValues(opacity, 0)), all128_(_mm_set1_pi16(128)) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const __m64 byOpacity = DivideBy256TowardZero(_mm_mullo_pi16(_mm_sub_pi16(Widen(s), all128_), opacity_));
        const __m64 moved =
            _mm_add_pi16(all128_, DivideBy256TowardZero(_mm_mullo_pi16(byOpacity, Broadcast(AlphaOf(s)))));
        const __m64 dest = Widen(d);
        return Narrow(overlay_(moved, dest, LightLanes(dest)));
    }

private:
    Overlaying overlay_;
    __m64 opacity_;
    __m64 all128_;
};

}  // namespace

extern const BlitVariants kOverlayMmx =
    MmxVariants<LanewiseOp<Opaque>, LanewiseOp<ByOpacity>, LanewiseOp<Half>, ByAlpha, ByAlphaOpacity>();
