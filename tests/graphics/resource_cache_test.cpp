#include "graphics/resource_cache.h"

#include <gtest/gtest.h>

#include "graphics/image_file.h"
#include "picture_archive.h"

namespace {

int g_loads = 0;

// LoadImageFile, counted.
bool CountedLoad(CMemorySurface& surface, const std::string& path) {
    ++g_loads;
    return LoadImageFile(surface, path);
}

class ResourceCache : public PictureArchiveTest {
protected:
    void SetUp() override {
        PictureArchiveTest::SetUp();
        g_loads = 0;
        Pack("System", {{"a.png", SmallPng()}, {"b.bmp", SmallBmp()}});
    }

    CResourceCache cache_{CountedLoad};
};

TEST_F(ResourceCache, OnePathIsDecodedOnceAndFreedByTheLastRelease) {
    CMemorySurface* first = cache_.Acquire("System/a.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetPixel(1, 0), 0xFF405060u);
    EXPECT_TRUE(first->HasAlpha());
    EXPECT_EQ(cache_.Acquire("System/a.png"), first);
    EXPECT_EQ(g_loads, 1);

    cache_.Release("System/a.png");
    EXPECT_EQ(cache_.Acquire("System/a.png"), first);
    EXPECT_EQ(g_loads, 1);
    cache_.Release("System/a.png");
    cache_.Release("System/a.png");
    // Freed: the next acquire decodes again.
    ASSERT_NE(cache_.Acquire("System/a.png"), nullptr);
    EXPECT_EQ(g_loads, 2);
}

TEST_F(ResourceCache, SpellingsThatNormaliseAlikeShareAnEntry) {
    CMemorySurface* picture = cache_.Acquire("System/b.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetPixel(0, 1), 0x00708090u);
    EXPECT_EQ(cache_.Acquire("System\\b.bmp"), picture);
    EXPECT_EQ(cache_.Acquire("./System/b.bmp"), picture);
    EXPECT_EQ(cache_.Acquire(temp_.Path() + "System\\b.bmp"), picture);
    EXPECT_EQ(g_loads, 1);

    // Another letter case, or a "." inside the path, is another entry,
    // though the archive finds the same picture.
    CMemorySurface* upper = cache_.Acquire("System/B.bmp");
    ASSERT_NE(upper, nullptr);
    EXPECT_NE(upper, picture);
    CMemorySurface* dotted = cache_.Acquire("System/./b.bmp");
    EXPECT_NE(dotted, picture);
    EXPECT_EQ(g_loads, 3);

    // Four releases by any spelling free the first entry.
    for (const char* path : {"System/b.bmp", "System\\b.bmp", "./System/b.bmp", "System/b.bmp"}) {
        cache_.Release(path);
    }
    EXPECT_NE(cache_.Acquire("System/b.bmp"), nullptr);
    EXPECT_EQ(g_loads, 4);
}

TEST_F(ResourceCache, MissingPicturesAreTriedAgainAndNeverHeld) {
    EXPECT_EQ(cache_.Acquire("System/missing.png"), nullptr);
    EXPECT_EQ(cache_.Acquire("System/missing.png"), nullptr);
    EXPECT_EQ(g_loads, 2);
    cache_.Release("System/missing.png");
    cache_.Release("System/never.bmp");
    EXPECT_EQ(cache_.Acquire("System/missing.png"), nullptr);
    EXPECT_EQ(g_loads, 3);
}

TEST_F(ResourceCache, TheProgramCacheLoadsImageFiles) {
    CMemorySurface* picture = GetResourceCache().Acquire("System/b.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetResourceCache().Acquire("System/b.bmp"), picture);
    EXPECT_EQ(picture->GetPixel(1, 1), 0x00A0B0C0u);
    EXPECT_NE(picture->GetDC(), nullptr);
    GetResourceCache().Release("System/b.bmp");
    GetResourceCache().Release("System/b.bmp");
}

}  // namespace
