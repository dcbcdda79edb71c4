// The plain fill loops: the reference results, one pixel at a time.
#include <algorithm>
#include <cstdint>

#include "graphics/fill_loops.h"
#include "graphics/fill_terms.h"

namespace {

constexpr Color32 kAlphaMask = 0xFF000000;

template <class PixelRule>
void EachPixel(CFillArea area, PixelRule rule) {
    FillSpan span;
    while (area.Next(span)) {
        Color32* const pixels = span.pixels;
        for (int i = 0; i < span.count; ++i) pixels[i] = rule(pixels[i]);
    }
}

// The three colour values of a word, blue first.
struct Channels {
    explicit Channels(Color32 colour)
        : value{static_cast<int>(colour & 255), static_cast<int>(colour >> 8 & 255),
                static_cast<int>(colour >> 16 & 255)} {}
    int value[3];
};

// A rule for each colour channel, f(value 0..255, channel 0..2 from blue)
// -> 0..255, worked out for every value once per call, so that a pixel
// costs three table reads whatever the rule; the alpha byte is kept.
class ChannelTables {
public:
    template <class F>
    explicit ChannelTables(F f) {
        for (int i = 0; i < 3; ++i) {
            for (int v = 0; v < 256; ++v) value_[i][v] = static_cast<uint8_t>(f(v, i));
        }
    }
    Color32 operator()(Color32 d) const {
        return (d & kAlphaMask) | value_[0][d & 255] | static_cast<Color32>(value_[1][d >> 8 & 255]) << 8 |
               static_cast<Color32>(value_[2][d >> 16 & 255]) << 16;
    }

private:
    uint8_t value_[3][256];
};

template <class F>
void EachChannel(CFillArea area, F f) {
    const ChannelTables tables(f);
    EachPixel(area, [&tables](Color32 d) { return tables(d); });
}

}  // namespace

void StoreColourPlain(CFillArea area, const FillTerms& terms) {
    FillSpan span;
    while (area.Next(span)) std::fill_n(span.pixels, span.count, terms.colour);
}

void ScaleAndAddPlain(CFillArea area, const FillTerms& terms) {
    // Red and blue scaled in one multiply, green in another; the scaled
    // values and the added ones never carry into the next byte.
    const Color32 keep = static_cast<Color32>(terms.parameter);
    const Color32 add = terms.colour & 0x00FFFFFF;
    EachPixel(area, [keep, add](Color32 d) {
        return (d & kAlphaMask) + (((d & 0x00FF00FF) * keep >> 8) & 0x00FF00FF) +
               (((d & 0x0000FF00) * keep >> 8) & 0x0000FF00) + add;
    });
}

void ShiftedSumPlain(CFillArea area, const FillTerms& terms) {
    const int shift = terms.parameter;
    const Color32 mask = (0xFFu >> shift) * 0x010101u;
    const Color32 add = (terms.colour >> shift) & mask;
    EachPixel(area, [shift, mask, add](Color32 d) {
        return (d & kAlphaMask) | (((d >> shift) & mask) + add);
    });
}

void AddSaturatePlain(CFillArea area, const FillTerms& terms) {
    const Channels c(terms.colour);
    EachChannel(area, [&c](int v, int i) { return std::min(255, v + c.value[i]); });
}

void SubSaturatePlain(CFillArea area, const FillTerms& terms) {
    const Channels c(terms.colour);
    EachChannel(area, [&c](int v, int i) { return std::max(0, v - c.value[i]); });
}

void MultiplyPlain(CFillArea area, const FillTerms& terms) {
    const Channels c(terms.colour);
    EachChannel(area, [&c](int v, int i) { return (v * c.value[i]) >> 8; });
}

void ScreenPlain(CFillArea area, const FillTerms& terms) {
    const Channels inverse(~terms.colour);
    EachChannel(area, [&inverse](int v, int i) { return 255 - (((255 - v) * inverse.value[i]) >> 8); });
}

void OverlayPlain(CFillArea area, const FillTerms& terms) {
    const int a = terms.parameter;
    const Channels c(terms.colour);
    EachChannel(area, [&c, a](int v, int i) {
        return v <= 128 ? (v * OverlayDarkLevel(c.value[i], a)) >> 7
                        : 255 - (255 - v) * OverlayLightLevel(c.value[i], a) / 128;
    });
}

void FillWordsPlain(Color32* pixels, size_t count, Color32 colour) {
    std::fill_n(pixels, count, colour);
}
