// The program's cache of loaded pictures: a picture that several nodes show
// is decoded once, counted per user and freed when the last user releases
// it. Entries are keyed by the normalised path, so "S/a.png" and "S\a.png"
// share one, while spellings that normalise differently (another letter
// case, a "." inside the path) are entries of their own. Main thread only.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "graphics/memory_surface.h"

class CResourceCache {
public:
    // How a picture that is not held yet is loaded; true when it was.
    using Loader = bool (*)(CMemorySurface& surface, const std::string& path);

    explicit CResourceCache(Loader loader);
    // Frees every picture still held, whatever its count.
    virtual ~CResourceCache();
    CResourceCache(const CResourceCache&) = delete;
    CResourceCache& operator=(const CResourceCache&) = delete;

    // The picture, with one more user; loaded when it is not held. Null when
    // it cannot be loaded (nothing is kept, the next acquire tries again).
    CMemorySurface* Acquire(const std::string& path);
    // One user less; the last one frees the picture. A path not held is
    // ignored.
    void Release(const std::string& path);

private:
    struct Entry {
        int useCount;
        std::unique_ptr<CMemorySurface> picture;
    };

    Loader loader_;
    std::map<std::string, Entry> entries_;
};

// The program's one cache, loading with LoadImageFile. Its pictures must not
// be used once the main function has returned.
CResourceCache& GetResourceCache();
