#include "text/font_cache.h"

namespace {

constexpr std::size_t kProgramCacheSize = 16;

HFONT CreateFontFor(const GdiFontKey& key) {
    return CreateFontA(key.height, 0, 0, 0, key.weight, key.italic, key.underline, key.strikeOut,
                       SHIFTJIS_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, static_cast<DWORD>(key.quality),
                       FIXED_PITCH | FF_MODERN, key.face.c_str());
}

}  // namespace

bool GdiFontKey::operator==(const GdiFontKey& other) const {
    return height == other.height && weight == other.weight && italic == other.italic &&
           underline == other.underline && strikeOut == other.strikeOut && quality == other.quality &&
           face == other.face;
}

CGdiFontCache::CGdiFontCache(std::size_t capacity) : capacity_(capacity) {}

HFONT CGdiFontCache::Get(const GdiFontKey& key) {
    for (auto it = fonts_.begin(); it != fonts_.end(); ++it) {
        if (it->key == key) {
            fonts_.splice(fonts_.begin(), fonts_, it);
            return fonts_.front().font.Get();
        }
    }
    const HFONT font = CreateFontFor(key);
    if (!font) return nullptr;
    if (!fonts_.empty() && fonts_.size() >= capacity_) fonts_.pop_back();
    fonts_.emplace_front(key, font);
    return font;
}

CGdiFontCache& GdiFontCache() {
    static CGdiFontCache cache(kProgramCacheSize);
    return cache;
}
