// Overlay blend: the destination decides, multiply where it is dark
// (d <= 128: (s x d) >> 7) and screen where it is light (255 - (((255 - s)
// x (255 - d)) >> 7)). A weight moves the source towards 128 first, which
// leaves d exactly at weight 0. The alpha byte becomes 0.
#include "graphics/blend_blits.h"
#include "graphics/blit_loops.h"

namespace {

inline bool IsLight(int dc) { return dc > 128; }

// The weighted overlay of a source moved to sw (1..254).
inline int OverlayChannel(int sw, int dc) {
    return IsLight(dc) ? 255 - (((256 - sw) * (255 - dc)) >> 7) : (sw * dc) >> 7;
}

// 128 + trunc((s - 128) x w / 256), towards 128 (C++ division truncates).
inline int TowardsMiddle(int sc, int w) { return 128 + ((sc - 128) * w) / 256; }

struct Opaque {
    explicit Opaque(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return CombineChannels(s, d, 0, [](int sc, int dc) {
            return IsLight(dc) ? 255 - (((255 - sc) * (255 - dc)) >> 7) : (sc * dc) >> 7;
        });
    }
};

class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int o = opacity_;
        return CombineChannels(s, d, 0, [o](int sc, int dc) { return OverlayChannel(TowardsMiddle(sc, o), dc); });
    }

private:
    int opacity_;
};

// Halfway to 128, rounded down over a light destination (128 + floor((s -
// 128) / 2)) and up over a dark one (128 - floor((128 - s) / 2)).
struct Half {
    explicit Half(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return CombineChannels(s, d, 0, [](int sc, int dc) {
            return OverlayChannel(IsLight(dc) ? (sc + 128) >> 1 : (sc + 129) >> 1, dc);
        });
    }
};

struct ByAlpha {
    explicit ByAlpha(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        return CombineChannels(s, d, 0, [a](int sc, int dc) { return OverlayChannel(TowardsMiddle(sc, a), dc); });
    }
};

// Moved by the opacity, then the distance from 128 weighted by alpha.
class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        const int o = opacity_;
        return CombineChannels(s, d, 0, [a, o](int sc, int dc) {
            return OverlayChannel(128 + (((sc - 128) * o) / 256 * a) / 256, dc);
        });
    }

private:
    int opacity_;
};

constexpr BlitVariants kPlain = PlainVariants<Opaque, ByOpacity, Half, ByAlpha, ByAlphaOpacity>();
const BlitPaths kPaths = {kPlain, kOverlayMmx, nullptr};

}  // namespace

DEFINE_BLEND_BLITS(Overlay, kPaths)
