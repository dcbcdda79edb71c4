#include "text/glyph_scratch.h"

#include <algorithm>

namespace {

// Room for a 64-pixel glyph with a rim, four times larger: 268 x 268.
constexpr int kSharedKeptPixels = 268 * 268;

bool Allocate(CMemorySurface& surface, int width, int height) {
    surface.SetUseDibSection(true);
    return surface.CreateUncleared(width, height) == 0;
}

}  // namespace

CGlyphScratch::CGlyphScratch(int keptPixels) : keptPixels_(keptPixels) {}

CMemorySurface* CGlyphScratch::Prepare(int width, int height) {
    oversized_.Destroy();
    int keptWidth = 0;
    int keptHeight = 0;
    kept_.GetSize(keptWidth, keptHeight);
    CMemorySurface* surface = &kept_;
    if (width > keptWidth || height > keptHeight) {
        const int grownWidth = std::max(width, keptWidth);
        const int grownHeight = std::max(height, keptHeight);
        if (static_cast<long long>(grownWidth) * grownHeight <= keptPixels_) {
            if (!Allocate(kept_, grownWidth, grownHeight)) return nullptr;
        } else {
            if (!Allocate(oversized_, width, height)) return nullptr;
            surface = &oversized_;
        }
    }
    const RECT area = {0, 0, width, height};
    surface->Fill(0, &area);
    return surface;
}

CGlyphScratch& SharedGlyphScratch() {
    static CGlyphScratch scratch(kSharedKeptPixels);
    return scratch;
}
