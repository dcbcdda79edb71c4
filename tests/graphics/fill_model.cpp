#include "fill_model.h"

#include <algorithm>

namespace {

int Channel(Color32 v, int i) { return static_cast<int>(v >> (8 * i) & 255); }
int Alpha(Color32 v) { return static_cast<int>(v >> 24); }

// d's alpha byte and f(d channel, c channel) for blue, green and red.
template <class F>
Color32 EachChannel(Color32 d, Color32 c, F f) {
    Color32 out = d & 0xFF000000;
    for (int i = 0; i < 3; ++i) {
        const int value = f(Channel(d, i), Channel(c, i));
        out |= static_cast<Color32>(value) << (8 * i);
    }
    return out;
}

}  // namespace

Color32 ModelNormalAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) { return ((dv * (255 - a)) >> 8) + ((cv * a) >> 8); });
}

Color32 ModelAddAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) { return std::min(255, dv + ((cv * a) >> 8)); });
}

Color32 ModelSubAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) { return std::max(0, dv - ((cv * a) >> 8)); });
}

Color32 ModelMultiply(Color32 d, Color32 c) {
    return EachChannel(d, c, [](int dv, int cv) { return (dv * cv) >> 8; });
}

Color32 ModelMultiplyAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) {
        const int weighted = 255 - (((256 - cv) * a) >> 8);
        return (dv * weighted) >> 8;
    });
}

Color32 ModelScreen(Color32 d, Color32 c) {
    return EachChannel(d, c, [](int dv, int cv) { return 255 - (((255 - dv) * (255 - cv)) >> 8); });
}

Color32 ModelScreenAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) {
        const int weighted = (cv * a) >> 8;
        return 255 - (((255 - dv) * (255 - weighted)) >> 8);
    });
}

Color32 ModelOverlayAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) {
        // C++ integer division truncates towards zero, as the rule asks.
        const int lo = 128 - (128 - cv) * a / 256;
        const int hi = 128 - (cv - 128) * a / 256;
        return dv <= 128 ? (dv * lo) >> 7 : 255 - (255 - dv) * hi / 128;
    });
}

Color32 ModelBlackOpacity(Color32 d, int keep) {
    return EachChannel(d, 0, [keep](int dv, int) { return (dv * keep) >> 8; });
}

Color32 ModelBlackShift(Color32 d, int shift) {
    return EachChannel(d, 0, [shift](int dv, int) { return dv >> shift; });
}

Color32 ModelHalf(Color32 d, Color32 c) {
    return EachChannel(d, c, [](int dv, int cv) { return (dv >> 1) + (cv >> 1); });
}

Color32 ModelPolygonMultiplyAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) {
        const int m = 255 - (((256 - ((cv * a) >> 8)) * a) >> 8);
        return (dv * m) >> 8;
    });
}

Color32 ModelPolygonScreenAlpha(Color32 d, Color32 c) {
    const int a = Alpha(c);
    return EachChannel(d, c, [a](int dv, int cv) {
        const int n = 255 - ((cv * a) >> 8);
        return 255 - ((255 - dv) * n / 256);
    });
}

Color32 ModelRoundedAverage(Color32 d, Color32 c) {
    Color32 out = 0;
    for (int i = 0; i < 4; ++i) {
        out |= static_cast<Color32>((Channel(d, i) + Channel(c, i) + 1) >> 1) << (8 * i);
    }
    return out;
}
