#include "scene/rect_math.h"

void SubtractRectInto(const RECT& r, const RECT& cut, std::vector<RECT>& out) {
    if (r.bottom < cut.top || r.top > cut.bottom || r.left > cut.right || r.right < cut.left) {
        out.push_back(r);
        return;
    }
    const LONG top = std::max(r.top, cut.top);
    const LONG bottom = std::min(r.bottom, cut.bottom);
    if (r.bottom > cut.bottom) out.push_back({r.left, cut.bottom, r.right, r.bottom});
    if (r.top < cut.top) out.push_back({r.left, r.top, r.right, cut.top});
    if (r.left < cut.left) out.push_back({r.left, top, cut.left, bottom});
    if (r.right > cut.right) out.push_back({cut.right, top, r.right, bottom});
}

namespace {

bool Adjoin(const RECT& a, const RECT& b) {
    if (a.left == b.left && a.right == b.right) return a.top == b.bottom || a.bottom == b.top;
    if (a.top == b.top && a.bottom == b.bottom) return a.left == b.right || a.right == b.left;
    return false;
}

}  // namespace

void CompactRects(std::vector<RECT>& rects) {
    bool merged = true;
    while (merged) {
        merged = false;
        for (size_t i = 0; i < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size();) {
                if (!Adjoin(rects[i], rects[j])) {
                    ++j;
                    continue;
                }
                const RECT& a = rects[i];
                const RECT& b = rects[j];
                rects[i] = {std::min(a.left, b.left), std::min(a.top, b.top),
                            std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
                rects.erase(rects.begin() + j);
                merged = true;
                j = i + 1;
            }
        }
    }
}
