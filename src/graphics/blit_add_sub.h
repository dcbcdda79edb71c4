// The plain pixel operations of the Add and Sub blends, which differ only in
// their step: the source channel, weighted, is added to or taken from the
// destination channel with saturation. The alpha byte stays the
// destination's.
#pragma once

#include <algorithm>

#include "graphics/blit_loops.h"

struct AddStep {
    static int Channel(int d, int t) { return std::min(d + t, 255); }
};

struct SubtractStep {
    static int Channel(int d, int t) { return std::max(d - t, 0); }
};

template <class Step>
struct SaturatingBlend {
    // Each source channel weighted by w, (s x w) >> 8.
    static Color32 Weighted(Color32 s, Color32 d, int w) {
        return CombineChannels(s, d, AlphaOf(d), [w](int sc, int dc) { return Step::Channel(dc, (sc * w) >> 8); });
    }

    struct Opaque {
        explicit Opaque(int) {}
        Color32 operator()(Color32 s, Color32 d) const {
            return CombineChannels(s, d, AlphaOf(d), [](int sc, int dc) { return Step::Channel(dc, sc); });
        }
    };

    class ByOpacity {
    public:
        explicit ByOpacity(int opacity) : opacity_(opacity) {}
        Color32 operator()(Color32 s, Color32 d) const { return Weighted(s, d, opacity_); }

    private:
        int opacity_;
    };

    struct Half {
        explicit Half(int) {}
        Color32 operator()(Color32 s, Color32 d) const {
            return CombineChannels(s, d, AlphaOf(d), [](int sc, int dc) { return Step::Channel(dc, sc >> 1); });
        }
    };

    // Unweighted at alpha 255, nothing at 0.
    struct ByAlpha {
        explicit ByAlpha(int) {}
        Color32 operator()(Color32 s, Color32 d) const {
            const int a = AlphaOf(s);
            if (a == 255) return Opaque(0)(s, d);
            if (a == 0) return d;
            return Weighted(s, d, a);
        }
    };

    // Weighted by (alpha x opacity) >> 8, nothing at 0.
    class ByAlphaOpacity {
    public:
        explicit ByAlphaOpacity(int opacity) : opacity_(opacity) {}
        Color32 operator()(Color32 s, Color32 d) const {
            const int w = (AlphaOf(s) * opacity_) >> 8;
            return w == 0 ? d : Weighted(s, d, w);
        }

    private:
        int opacity_;
    };

    static constexpr BlitVariants Plain() {
        return PlainVariants<Opaque, ByOpacity, Half, ByAlpha, ByAlphaOpacity>();
    }
};
