#include "graphics/cached_picture.h"

#include "graphics/resource_cache.h"

CCachedPicture::~CCachedPicture() { Release(); }

const CMemorySurface* CCachedPicture::Acquire(const std::string& path) {
    Release();
    picture_ = GetResourceCache().Acquire(path);
    if (picture_) path_ = path;
    return picture_;
}

void CCachedPicture::Release() {
    if (!picture_) return;
    GetResourceCache().Release(path_);
    picture_ = nullptr;
    path_.clear();
}
