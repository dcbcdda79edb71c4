// Screen blend: the inverted colours are multiplied, 255 - (((255 - s) x
// (255 - d)) >> 8), which lightens. A weighted source t is screened as
// 255 - (((256 - t) x (255 - d)) >> 8), so weight 0 leaves d exactly. The
// alpha byte becomes 0.
#include "graphics/blend_blits.h"
#include "graphics/blit_loops.h"

namespace {

// Every colour screened with t(source colour), against 256 or 255.
template <int kWhite, class Source>
inline Color32 Screen(Color32 s, Color32 d, Source t) {
    return CombineChannels(s, d, 0, [t](int sc, int dc) { return 255 - (((kWhite - t(sc)) * (255 - dc)) >> 8); });
}

struct Opaque {
    explicit Opaque(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return Screen<255>(s, d, [](int sc) { return sc; });
    }
};

class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int o = opacity_;
        return Screen<256>(s, d, [o](int sc) { return (sc * o) >> 8; });
    }

private:
    int opacity_;
};

struct Half {
    explicit Half(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return Screen<255>(s, d, [](int sc) { return sc >> 1; });
    }
};

struct ByAlpha {
    explicit ByAlpha(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        return Screen<256>(s, d, [a](int sc) { return (sc * a) >> 8; });
    }
};

// Weighted by the opacity, then by alpha.
class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        const int o = opacity_;
        return Screen<256>(s, d, [a, o](int sc) { return (((sc * o) >> 8) * a) >> 8; });
    }

private:
    int opacity_;
};

constexpr BlitVariants kPlain = PlainVariants<Opaque, ByOpacity, Half, ByAlpha, ByAlphaOpacity>();
const BlitPaths kPaths = {kPlain, kScreenMmx, nullptr};

}  // namespace

DEFINE_BLEND_BLITS(Screen, kPaths)
