#include "graphics/resource_cache.h"

#include "graphics/image_file.h"
#include "platform/paths.h"

CResourceCache::CResourceCache(Loader loader) : loader_(loader) {}

CResourceCache::~CResourceCache() {
    for (auto& entry : entries_) entry.second.picture->Destroy();
}

CMemorySurface* CResourceCache::Acquire(const std::string& path) {
    const std::string key = NormalizePath(path);
    auto found = entries_.find(key);
    if (found != entries_.end()) {
        ++found->second.useCount;
        return found->second.picture.get();
    }
    auto picture = std::make_unique<CMemorySurface>();
    if (!loader_(*picture, path)) return nullptr;
    CMemorySurface* held = picture.get();
    entries_.emplace(key, Entry{1, std::move(picture)});
    return held;
}

void CResourceCache::Release(const std::string& path) {
    auto found = entries_.find(NormalizePath(path));
    if (found == entries_.end()) return;
    if (--found->second.useCount < 1) {
        found->second.picture->Destroy();
        entries_.erase(found);
    }
}

CResourceCache& GetResourceCache() {
    static CResourceCache cache(LoadImageFile);
    return cache;
}
