// Overlay blend, MMX path. Differences from the plain path: the screen
// branch begins at d = 128 (plain: above 128); the opaque variant leaves the
// alpha byte min(255, (s_alpha x d_alpha) >> 7), the opacity and alpha x
// opacity variants the destination's, and the half and alpha variants blend
// it like a colour (source alpha over destination alpha, same weight).
//
// The lanes work with q, the source's distance from 128 after weighting.
// Both branches are then written around the destination: with sw = 128 + q,
// (sw x d) >> 7 = d + floor(q x d / 128), and
// 255 - (((256 - sw) x (255 - d)) >> 7) = d + ceil(q x (255 - d) / 128),
// so one multiply serves both once light lanes flip d to 255 - d and add 127
// before the shift. With q = 0 both give d, so a transparent source pixel
// of the alpha variants leaves the destination as it is.
#include "graphics/blit_mmx.h"

using namespace blit;

namespace {

class Overlaying {
public:
    Overlaying()
        : all127_(_mm_set1_pi16(127)), all128_(_mm_set1_pi16(128)), all255_(_mm_set1_pi16(255)) {}

    // Lanes of the screen branch: d >= 128.
    __m64 Light(__m64 d) const { return _mm_cmpgt_pi16(d, all127_); }

    // 255 in the lanes where s < 128, whose weighted distances are negative
    // or 0; added before an arithmetic shift it makes the shift truncate
    // towards zero.
    __m64 TowardZero(__m64 s) const { return _mm_and_si64(_mm_cmpgt_pi16(all128_, s), all255_); }

    // trunc((s - 128) x w / 256).
    __m64 Distance(__m64 s, __m64 w, __m64 towardZero) const {
        return DivideBy256(_mm_mullo_pi16(_mm_sub_pi16(s, all128_), w), towardZero);
    }
    static __m64 DivideBy256(__m64 x, __m64 towardZero) {
        return _mm_srai_pi16(_mm_add_pi16(x, towardZero), 8);
    }

    __m64 operator()(__m64 q, __m64 d, __m64 light) const {
        const __m64 factor = _mm_xor_si64(d, _mm_and_si64(light, all255_));
        const __m64 rounding = _mm_and_si64(light, all127_);
        return _mm_add_pi16(d, _mm_srai_pi16(_mm_add_pi16(_mm_mullo_pi16(q, factor), rounding), 7));
    }

    __m64 all128() const { return all128_; }

private:
    __m64 all127_;
    __m64 all128_;
    __m64 all255_;
};

// Unweighted: the screen branch uses 255 - s where the weighted one uses
// 256 - sw, so there q is s - 127. The alpha lane always takes the multiply
// branch, which narrowing saturates at 255.
class Opaque {
public:
    explicit Opaque(int) : colours_(ColourLanes()) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        const __m64 light = _mm_and_si64(overlay_.Light(d), colours_);
        return overlay_(_mm_sub_pi16(_mm_sub_pi16(s, overlay_.all128()), light), d, light);
    }

private:
    Overlaying overlay_;
    __m64 colours_;
};

// Weight 0 on the alpha lane leaves the destination's alpha.
class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(LaneValues(opacity, 0)) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        return overlay_(overlay_.Distance(s, opacity_, overlay_.TowardZero(s)), d,
                        overlay_.Light(d));
    }

private:
    Overlaying overlay_;
    __m64 opacity_;
};

// Halfway to 128: q = floor((s - 128) / 2) over light lanes and
// floor((s - 127) / 2) over dark ones.
class Half {
public:
    explicit Half(int) : all127_(_mm_set1_pi16(127)) {}
    __m64 Lanes(__m64 s, __m64 d) const {
        const __m64 light = overlay_.Light(d);
        return overlay_(_mm_srai_pi16(_mm_add_pi16(_mm_sub_pi16(s, all127_), light), 1), d, light);
    }

private:
    Overlaying overlay_;
    __m64 all127_;
};

// The alpha lanes leave the destination at alpha 0, so pairs of transparent
// source pixels are skipped.
class ByAlpha {
public:
    explicit ByAlpha(int) {}
    __m64 Lanes(__m64 s, __m64 d, __m64 alpha) const {
        return overlay_(overlay_.Distance(s, alpha, overlay_.TowardZero(s)), d, overlay_.Light(d));
    }

private:
    Overlaying overlay_;
};

class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(LaneValues(opacity, 0)) {}
    __m64 Lanes(__m64 s, __m64 d, __m64 alpha) const {
        const __m64 towardZero = overlay_.TowardZero(s);
        const __m64 byOpacity = overlay_.Distance(s, opacity_, towardZero);
        const __m64 q = Overlaying::DivideBy256(_mm_mullo_pi16(byOpacity, alpha), towardZero);
        return overlay_(q, d, overlay_.Light(d));
    }

private:
    Overlaying overlay_;
    __m64 opacity_;
};

}  // namespace

extern const BlitVariants kOverlayMmx =
    MmxVariants<LanewiseOp<Opaque>, LanewiseOp<ByOpacity>, LanewiseOp<Half>,
                AlphaLanewiseOp<ByAlpha, true>, AlphaLanewiseOp<ByAlphaOpacity, true>>();
