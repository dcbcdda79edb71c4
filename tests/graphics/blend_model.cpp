#include "blend_model.h"

#include <algorithm>

namespace {

int Byte(Color32 pixel, int index) { return static_cast<int>(pixel >> (8 * index) & 255); }

Color32 Pixel(int b, int g, int r, int a) {
    return static_cast<Color32>(b | g << 8 | r << 16 | a << 24);
}

// B, G and R from f(source channel, destination channel), the alpha byte given.
template <class F>
Color32 Colours(Color32 s, Color32 d, int alpha, F f) {
    return Pixel(f(Byte(s, 0), Byte(d, 0)), f(Byte(s, 1), Byte(d, 1)), f(Byte(s, 2), Byte(d, 2)), alpha);
}

// All four bytes from f.
template <class F>
Color32 AllBytes(Color32 s, Color32 d, F f) {
    return Pixel(f(Byte(s, 0), Byte(d, 0)), f(Byte(s, 1), Byte(d, 1)), f(Byte(s, 2), Byte(d, 2)),
                 f(Byte(s, 3), Byte(d, 3)));
}

int FloorDiv(int x, int n) { return x >= 0 ? x / n : -((-x + n - 1) / n); }

Color32 Normal(Weighting weighting, BlitPath path, Color32 s, Color32 d, int o) {
    const int a = Byte(s, 3);
    const int da = Byte(d, 3);
    auto mix = [](int w) { return [w](int sc, int dc) { return (sc * w + dc * (256 - w)) >> 8; }; };
    switch (weighting) {
    case Weighting::Opaque:
        return s;
    case Weighting::Opacity:
        // MMX keeps the destination's alpha byte.
        return Colours(s, d, path == BlitPath::Plain ? 0 : da, mix(o));
    case Weighting::Half:
        if (path == BlitPath::Plain) return Colours(s, d, 0, [](int sc, int dc) { return (sc + dc) >> 1; });
        // MMX halves each operand first; SSE rounds up and averages alpha too.
        if (path == BlitPath::Mmx) return Colours(s, d, 0, [](int sc, int dc) { return (sc >> 1) + (dc >> 1); });
        return AllBytes(s, d, [](int sc, int dc) { return (sc + dc + 1) >> 1; });
    case Weighting::Alpha:
        if (a == 255) return s;
        if (a == 0) return d;
        // MMX mixes the alpha byte like a colour.
        return Colours(s, d, path == BlitPath::Plain ? 0 : (a * a + da * (256 - a)) >> 8, mix(a));
    case Weighting::AlphaOpacity: {
        const int w = (a * o) >> 8;
        if (w == 0) return d;
        return Colours(s, d, path == BlitPath::Plain ? 0 : da, mix(w));
    }
    }
    return 0;
}

// Add (sign 1) and Sub (sign -1).
Color32 AddOrSub(int sign, Weighting weighting, BlitPath path, Color32 s, Color32 d, int o) {
    const int a = Byte(s, 3);
    const int da = Byte(d, 3);
    auto apply = [sign](int dc, int t) { return std::min(255, std::max(0, dc + sign * t)); };
    auto weighted = [apply](int w) { return [apply, w](int sc, int dc) { return apply(dc, (sc * w) >> 8); }; };
    switch (weighting) {
    case Weighting::Opaque:
        // MMX and SSE treat the alpha byte like a colour.
        if (path == BlitPath::Plain) return Colours(s, d, da, [apply](int sc, int dc) { return apply(dc, sc); });
        return AllBytes(s, d, [apply](int sc, int dc) { return apply(dc, sc); });
    case Weighting::Opacity:
        return Colours(s, d, da, weighted(o));
    case Weighting::Half:
        // SSE rounds the half up and includes the alpha byte.
        if (path == BlitPath::Sse) return AllBytes(s, d, [apply](int sc, int dc) { return apply(dc, (sc + 1) >> 1); });
        return Colours(s, d, da, [apply](int sc, int dc) { return apply(dc, sc >> 1); });
    case Weighting::Alpha:
        // MMX has no exact case at 255 and weights the alpha byte too.
        if (path != BlitPath::Plain) return Pixel(0, 0, 0, apply(da, (a * a) >> 8)) | (Colours(s, d, 0, weighted(a)));
        if (a == 255) return Colours(s, d, da, [apply](int sc, int dc) { return apply(dc, sc); });
        if (a == 0) return d;
        return Colours(s, d, da, weighted(a));
    case Weighting::AlphaOpacity: {
        const int w = (a * o) >> 8;
        if (w == 0) return d;
        return Colours(s, d, da, weighted(w));
    }
    }
    return 0;
}

Color32 Multiply(Weighting weighting, BlitPath path, Color32 s, Color32 d, int o) {
    const int a = Byte(s, 3);
    const int da = Byte(d, 3);
    const bool mmx = path != BlitPath::Plain;
    auto lightened = [](int w) {
        return [w](int sc, int dc) { return (dc * (255 - (((255 - sc) * w) >> 8))) >> 8; };
    };
    switch (weighting) {
    case Weighting::Opaque:
        return Colours(s, d, mmx ? (a * da) >> 8 : da, [](int sc, int dc) { return (dc * sc) >> 8; });
    case Weighting::Opacity:
        return Colours(s, d, mmx ? 0 : da, lightened(o));
    case Weighting::Half:
        return Colours(s, d, mmx ? ((a >> 1) * da) >> 8 : da,
                       [](int sc, int dc) { return (dc * ((sc >> 1) + 128)) >> 8; });
    case Weighting::Alpha:
        return Colours(s, d, mmx ? (((a * a) >> 8) * da) >> 8 : da, lightened(a));
    case Weighting::AlphaOpacity:
        return Colours(s, d, mmx ? 0 : da, [o, a](int sc, int dc) {
            return (dc * (255 - (((((255 - sc) * o) >> 8) * a) >> 8))) >> 8;
        });
    }
    return 0;
}

Color32 Screen(Weighting weighting, BlitPath path, Color32 s, Color32 d, int o) {
    const int a = Byte(s, 3);
    const int da = Byte(d, 3);
    const bool mmx = path != BlitPath::Plain;
    // 255 - (((k - t) x (255 - d)) >> 8) with t from the source channel; the
    // weighted variants use k = 256 on the plain path and 255 on MMX.
    auto screen = [](int k, auto t) {
        return [k, t](int sc, int dc) { return 255 - (((k - t(sc)) * (255 - dc)) >> 8); };
    };
    const int k = mmx ? 255 : 256;
    switch (weighting) {
    case Weighting::Opaque:
        return Colours(s, d, mmx ? (a * da) >> 8 : 0, screen(255, [](int sc) { return sc; }));
    case Weighting::Opacity:
        return Colours(s, d, 0, screen(k, [o](int sc) { return (sc * o) >> 8; }));
    case Weighting::Half:
        return Colours(s, d, mmx ? ((a >> 1) * da) >> 8 : 0, screen(255, [](int sc) { return sc >> 1; }));
    case Weighting::Alpha:
        return Colours(s, d, mmx ? (((a * a) >> 8) * da) >> 8 : 0, screen(k, [a](int sc) { return (sc * a) >> 8; }));
    case Weighting::AlphaOpacity:
        return Colours(s, d, 0, screen(k, [o, a](int sc) { return (((sc * o) >> 8) * a) >> 8; }));
    }
    return 0;
}

Color32 Overlay(Weighting weighting, BlitPath path, Color32 s, Color32 d, int o) {
    const int a = Byte(s, 3);
    const int da = Byte(d, 3);
    const bool mmx = path != BlitPath::Plain;
    // The screen branch: plain above 128, MMX from 128.
    auto light = [mmx](int dc) { return mmx ? dc >= 128 : dc > 128; };
    // The weighted formula for a source value moved towards 128.
    auto overlay = [light](int sw, int dc) {
        return light(dc) ? 255 - ((256 - sw) * (255 - dc)) / 128 : (sw * dc) >> 7;
    };
    auto byWeight = [overlay](int w) {
        return [overlay, w](int sc, int dc) { return overlay(128 + ((sc - 128) * w) / 256, dc); };
    };
    auto half = [overlay, light](int sc, int dc) {
        return overlay(light(dc) ? 128 + FloorDiv(sc - 128, 2) : 128 - FloorDiv(128 - sc, 2), dc);
    };
    switch (weighting) {
    case Weighting::Opaque:
        return Colours(s, d, mmx ? std::min(255, (a * da) >> 7) : 0, [light](int sc, int dc) {
            return light(dc) ? 255 - (((255 - sc) * (255 - dc)) >> 7) : (sc * dc) >> 7;
        });
    case Weighting::Opacity:
        return Colours(s, d, mmx ? da : 0, byWeight(o));
    case Weighting::Half:
        return Colours(s, d, mmx ? half(a, da) : 0, half);
    case Weighting::Alpha:
        return Colours(s, d, mmx ? byWeight(a)(a, da) : 0, byWeight(a));
    case Weighting::AlphaOpacity:
        return Colours(s, d, mmx ? da : 0, [overlay, o, a](int sc, int dc) {
            return overlay(128 + (((sc - 128) * o) / 256 * a) / 256, dc);
        });
    }
    return 0;
}

}  // namespace

Color32 ExpectedBlend(BlendKind mode, Weighting weighting, BlitPath path, Color32 s, Color32 d,
                      int opacity) {
    switch (mode) {
    case BlendKind::Normal:
        return Normal(weighting, path, s, d, opacity);
    case BlendKind::Add:
        return AddOrSub(1, weighting, path, s, d, opacity);
    case BlendKind::Sub:
        return AddOrSub(-1, weighting, path, s, d, opacity);
    case BlendKind::Multiply:
        return Multiply(weighting, path, s, d, opacity);
    case BlendKind::Screen:
        return Screen(weighting, path, s, d, opacity);
    case BlendKind::Overlay:
        return Overlay(weighting, path, s, d, opacity);
    }
    return 0;
}
