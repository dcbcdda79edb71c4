// Normal blend: the source replaces the destination or is mixed into it.
#include "graphics/blend_blits.h"
#include "graphics/blit_loops.h"

namespace {

// (s x w + d x (256 - w)) >> 8 for B, G and R, alpha 0: red and blue are
// mixed in one multiply (masks 0x00FF00FF), green in another.
inline Color32 Mix(Color32 s, Color32 d, uint32_t w) {
    const uint32_t redBlue = ((s & 0x00FF00FF) * w + (d & 0x00FF00FF) * (256 - w)) >> 8;
    const uint32_t green = ((s & 0x0000FF00) * w + (d & 0x0000FF00) * (256 - w)) >> 8;
    return (redBlue & 0x00FF00FF) | (green & 0x0000FF00);
}

struct Copy {
    explicit Copy(int) {}
    Color32 operator()(Color32 s, Color32) const { return s; }
};

class MixByOpacity {
public:
    explicit MixByOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const { return Mix(s, d, opacity_); }

private:
    uint32_t opacity_;
};

// (s + d) >> 1 for B, G and R, alpha 0: the common bits plus half the others,
// each byte's lowest bit cleared so that nothing spills into the next byte.
struct Average {
    explicit Average(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        return (s & d & 0x00FFFFFF) + (((s ^ d) & 0x00FEFEFE) >> 1);
    }
};

struct MixByAlpha {
    explicit MixByAlpha(int) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const uint32_t a = AlphaOf(s);
        if (a == 255) return s;
        if (a == 0) return d;
        return Mix(s, d, a);
    }
};

class MixByAlphaOpacity {
public:
    explicit MixByAlphaOpacity(int opacity) : opacity_(opacity) {}
    Color32 operator()(Color32 s, Color32 d) const {
        const uint32_t w = (AlphaOf(s) * opacity_) >> 8;
        return w == 0 ? d : Mix(s, d, w);
    }

private:
    uint32_t opacity_;
};

constexpr BlitVariants kPlain =
    PlainVariants<Copy, MixByOpacity, Average, MixByAlpha, MixByAlphaOpacity, &CopyRows>();
const BlitPaths kPaths = {kPlain, kNormalMmx, &kNormalSse};

}  // namespace

DEFINE_BLEND_BLITS(Normal, kPaths)
