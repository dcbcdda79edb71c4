// The MMX fill loops. They give the plain colours; the alpha byte is noted
// per kind in fill_loops.h.
#include "graphics/fill_mmx.h"
#include "graphics/fill_terms.h"

namespace {

// ((d x keep) >> 8) + add per lane.
class ScaleAndAddLanes {
public:
    ScaleAndAddLanes(__m64 keep, __m64 add) : keep_(keep), add_(add) {}
    __m64 Lanes16(__m64 d) const {
        return _mm_add_pi16(_mm_srli_pi16(_mm_mullo_pi16(d, keep_), 8), add_);
    }

private:
    __m64 keep_;
    __m64 add_;
};

// (d x c) >> 8 per lane; the alpha lane multiplies by 256 and stays.
class MultiplyLanes {
public:
    explicit MultiplyLanes(Color32 colour) : factor_(ColourLanes(colour, 256)) {}
    __m64 Lanes16(__m64 d) const { return _mm_srli_pi16(_mm_mullo_pi16(d, factor_), 8); }

private:
    __m64 factor_;
};

// 255 - (((255 - d) x (255 - c)) >> 8) per lane; the alpha lane uses 256 for
// 255 - c and stays.
class ScreenLanes {
public:
    explicit ScreenLanes(Color32 colour) : all255_(SameLanes(255)), inverse_(ColourLanes(~colour, 256)) {}
    __m64 Lanes16(__m64 d) const {
        const __m64 product = _mm_mullo_pi16(_mm_sub_pi16(all255_, d), inverse_);
        return _mm_sub_pi16(all255_, _mm_srli_pi16(product, 8));
    }

private:
    __m64 all255_;
    __m64 inverse_;
};

// Both Overlay branches per lane, the one the destination picks kept; the
// alpha lane's levels of 128 give it back unchanged on either branch.
class OverlayLanes {
public:
    OverlayLanes(Color32 colour, int a)
        : dark_(ColourLanes(MapChannels(colour, [a](int c) { return OverlayDarkLevel(c, a); }), 128)),
          light_(ColourLanes(MapChannels(colour, [a](int c) { return OverlayLightLevel(c, a); }), 128)),
          all255_(SameLanes(255)),
          all128_(SameLanes(128)) {}
    __m64 Lanes16(__m64 d) const {
        const __m64 darker = _mm_srli_pi16(_mm_mullo_pi16(d, dark_), 7);
        const __m64 lighter =
            _mm_sub_pi16(all255_, _mm_srli_pi16(_mm_mullo_pi16(_mm_sub_pi16(all255_, d), light_), 7));
        const __m64 aboveMiddle = _mm_cmpgt_pi16(d, all128_);
        return _mm_or_si64(_mm_and_si64(aboveMiddle, lighter), _mm_andnot_si64(aboveMiddle, darker));
    }

private:
    __m64 dark_;
    __m64 light_;
    __m64 all255_;
    __m64 all128_;
};

struct SaturatingAdd {
    __m64 operator()(__m64 d, __m64 c) const { return _mm_adds_pu8(d, c); }
};

struct SaturatingSub {
    __m64 operator()(__m64 d, __m64 c) const { return _mm_subs_pu8(d, c); }
};

template <class Op>
void RunPairs(CFillArea area, const Op& op) {
    EachPair(area, op);
    _mm_empty();
}

}  // namespace

void StoreColourMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, WithColour<TakeColour>(terms.colour));
}

void ScaleAndAddColoursMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, Lanewise<ScaleAndAddLanes>(
                       Lanes(terms.parameter, terms.parameter, terms.parameter, 0),
                       ColourLanes(terms.colour, 0)));
}

void ScaleAndAddAllBytesMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, Lanewise<ScaleAndAddLanes>(SameLanes(terms.parameter),
                                              ColourLanes(terms.colour, AlphaByte(terms.colour))));
}

void ShiftedSumMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, ShiftedSum(terms.colour, terms.parameter));
}

void AddSaturateMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, WithColour<SaturatingAdd>(terms.colour & 0x00FFFFFF));
}

void SubSaturateMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, WithColour<SaturatingSub>(terms.colour & 0x00FFFFFF));
}

void MultiplyMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, Lanewise<MultiplyLanes>(terms.colour));
}

void ScreenMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, Lanewise<ScreenLanes>(terms.colour));
}

void OverlayMmx(CFillArea area, const FillTerms& terms) {
    RunPairs(area, Lanewise<OverlayLanes>(terms.colour, terms.parameter));
}

void FillWordsMmx(Color32* pixels, size_t count, Color32 colour) {
    const __m64 pair = WordPair(colour);
    const CachedStore store;
    for (size_t pairs = count / 2; pairs > 0; --pairs, pixels += 2) store(pixels, pair);
    if (count & 1) *pixels = colour;
    _mm_empty();
}
