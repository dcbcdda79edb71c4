// The plain fill loops: the reference results, one pixel at a time.
#include <algorithm>

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

// d's alpha byte, with its blue, green and red each f(d's value, channel 0..2).
template <class F>
Color32 EachChannel(Color32 d, F f) {
    return (d & kAlphaMask) | static_cast<Color32>(f(static_cast<int>(d & 255), 0)) |
           static_cast<Color32>(f(static_cast<int>(d >> 8 & 255), 1)) << 8 |
           static_cast<Color32>(f(static_cast<int>(d >> 16 & 255), 2)) << 16;
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
    EachPixel(area, [&c](Color32 d) {
        return EachChannel(d, [&c](int v, int i) { return std::min(255, v + c.value[i]); });
    });
}

void SubSaturatePlain(CFillArea area, const FillTerms& terms) {
    const Channels c(terms.colour);
    EachPixel(area, [&c](Color32 d) {
        return EachChannel(d, [&c](int v, int i) { return std::max(0, v - c.value[i]); });
    });
}

void MultiplyPlain(CFillArea area, const FillTerms& terms) {
    const Channels c(terms.colour);
    EachPixel(area, [&c](Color32 d) {
        return EachChannel(d, [&c](int v, int i) { return (v * c.value[i]) >> 8; });
    });
}

void ScreenPlain(CFillArea area, const FillTerms& terms) {
    const Channels inverse(~terms.colour);
    EachPixel(area, [&inverse](Color32 d) {
        return EachChannel(d, [&inverse](int v, int i) {
            return 255 - (((255 - v) * inverse.value[i]) >> 8);
        });
    });
}

void OverlayPlain(CFillArea area, const FillTerms& terms) {
    const int a = terms.parameter;
    const Channels dark(MapChannels(terms.colour, [a](int c) { return OverlayDarkLevel(c, a); }));
    const Channels light(MapChannels(terms.colour, [a](int c) { return OverlayLightLevel(c, a); }));
    EachPixel(area, [&dark, &light](Color32 d) {
        return EachChannel(d, [&dark, &light](int v, int i) {
            return v <= 128 ? (v * dark.value[i]) >> 7 : 255 - (255 - v) * light.value[i] / 128;
        });
    });
}

void FillWordsPlain(Color32* pixels, size_t count, Color32 colour) {
    std::fill_n(pixels, count, colour);
}
