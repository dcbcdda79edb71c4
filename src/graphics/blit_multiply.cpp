// Multiply blend: each colour is multiplied by the source's, (d x s) >> 8,
// which darkens. A weight lightens the source towards white first,
// s' = 255 - (((255 - s) x w) >> 8); weight 0 gives (d x 255) >> 8, one less
// than d, not d. The alpha byte stays the destination's.
#include "graphics/blend_blits.h"
#include "graphics/blit_loops.h"

namespace {

// Multiplied by the source lightened by weight w.
inline Color32 MultiplyLightened(Color32 s, Color32 d, int w) {
    return CombineChannels(s, d, AlphaOf(d),
                           [w](int sc, int dc) { return (dc * (255 - (((255 - sc) * w) >> 8))) >> 8; });
}

struct Opaque {
    explicit Opaque(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return CombineChannels(s, d, AlphaOf(d), [](int sc, int dc) { return (dc * sc) >> 8; });
    }
};

class ByOpacity {
public:
    explicit ByOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const { return MultiplyLightened(s, d, opacity_); }

private:
    int opacity_;
};

// The source halved and moved into the upper half: (s >> 1) + 128.
struct Half {
    explicit Half(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return CombineChannels(s, d, AlphaOf(d), [](int sc, int dc) { return (dc * ((sc >> 1) + 128)) >> 8; });
    }
};

struct ByAlpha {
    explicit ByAlpha(int) {}
    Color32 operator()(Color32 s, Color32 d) const { return MultiplyLightened(s, d, AlphaOf(s)); }
};

// Lightened by the opacity, then the distance from white weighted by alpha.
class ByAlphaOpacity {
public:
    explicit ByAlphaOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const int a = AlphaOf(s);
        const int o = opacity_;
        return CombineChannels(s, d, AlphaOf(d), [a, o](int sc, int dc) {
            return (dc * (255 - (((((255 - sc) * o) >> 8) * a) >> 8))) >> 8;
        });
    }

private:
    int opacity_;
};

constexpr BlitVariants kPlain = PlainVariants<Opaque, ByOpacity, Half, ByAlpha, ByAlphaOpacity>();
const BlitPaths kPaths = {kPlain, kMultiplyMmx, nullptr};

}  // namespace

DEFINE_BLEND_BLITS(Multiply, kPaths)
