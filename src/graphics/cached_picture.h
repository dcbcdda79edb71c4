// One user's hold on a picture of the program's resource cache: taken by
// path, given back when the hold ends or moves to another path, so that
// every user of one file shares a single decoded copy.
#pragma once

#include <string>

#include "graphics/memory_surface.h"

class CCachedPicture {
public:
    CCachedPicture() = default;
    ~CCachedPicture();
    CCachedPicture(const CCachedPicture&) = delete;
    CCachedPicture& operator=(const CCachedPicture&) = delete;

    // Gives back the picture held, then takes the file's; null when it
    // cannot be loaded.
    const CMemorySurface* Acquire(const std::string& path);
    void Release();
    // The picture held, or null.
    const CMemorySurface* Get() const { return picture_; }

private:
    std::string path_;
    const CMemorySurface* picture_ = nullptr;
};
