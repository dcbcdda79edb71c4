// The kept GDI fonts: each is made with exactly the CreateFontA arguments of
// its key (read back from GDI), one key gives one font, and the cache holds
// no more than its size, dropping the font used longest ago.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "text/font_cache.h"

namespace {

TEST(FontCache, MakesEachFontWithItsKeysArguments) {
    const GdiFontKey kKeys[] = {
        {16, 300, false, false, false, DEFAULT_QUALITY, "IPAGothic"},
        {48, 700, true, false, false, ANTIALIASED_QUALITY, "IPAMincho"},
        {-12, 400, false, true, true, PROOF_QUALITY, "IPAGothic"},
        {24, 400, false, false, false, NONANTIALIASED_QUALITY, ""},
    };
    CGdiFontCache cache(8);
    for (const GdiFontKey& key : kKeys) {
        SCOPED_TRACE(key.height);
        const HFONT font = cache.Get(key);
        ASSERT_NE(font, nullptr);
        LOGFONTA made = {};
        ASSERT_EQ(GetObjectA(font, sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_EQ(made.lfHeight, key.height);
        EXPECT_EQ(made.lfWidth, 0);
        EXPECT_EQ(made.lfEscapement, 0);
        EXPECT_EQ(made.lfOrientation, 0);
        EXPECT_EQ(made.lfWeight, key.weight);
        EXPECT_EQ(made.lfItalic != 0, key.italic);
        EXPECT_EQ(made.lfUnderline != 0, key.underline);
        EXPECT_EQ(made.lfStrikeOut != 0, key.strikeOut);
        EXPECT_EQ(made.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(made.lfOutPrecision, OUT_TT_PRECIS);
        EXPECT_EQ(made.lfClipPrecision, CLIP_DEFAULT_PRECIS);
        EXPECT_EQ(made.lfQuality, key.quality);
        EXPECT_EQ(made.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);
        EXPECT_STREQ(made.lfFaceName, key.face.c_str());
    }
}

// Keys that differ in any one argument are different fonts; the same key
// asked again is the same font.
TEST(FontCache, OneFontPerKey) {
    const GdiFontKey base{24, 400, false, false, false, DEFAULT_QUALITY, "IPAGothic"};
    GdiFontKey variants[7] = {base, base, base, base, base, base, base};
    variants[0].height = 25;
    variants[1].weight = 700;
    variants[2].italic = true;
    variants[3].underline = true;
    variants[4].strikeOut = true;
    variants[5].quality = ANTIALIASED_QUALITY;
    variants[6].face = "IPAMincho";
    CGdiFontCache cache(16);
    const HFONT first = cache.Get(base);
    for (const GdiFontKey& variant : variants) EXPECT_NE(cache.Get(variant), first);
    EXPECT_EQ(cache.Size(), 8u);
    EXPECT_EQ(cache.Get(base), first);
    EXPECT_EQ(cache.Size(), 8u);
}

TEST(FontCache, DropsTheFontUsedLongestAgo) {
    CGdiFontCache cache(3);
    auto key = [](int height) { return GdiFontKey{height, 400, false, false, false, DEFAULT_QUALITY, "IPAGothic"}; };
    const HFONT f10 = cache.Get(key(10));
    cache.Get(key(11));
    cache.Get(key(12));
    EXPECT_EQ(cache.Get(key(10)), f10);  // 10 is now the latest, 11 the oldest
    cache.Get(key(13));                  // drops 11
    EXPECT_EQ(cache.Size(), 3u);
    EXPECT_EQ(cache.Get(key(10)), f10);
    const HFONT remade = cache.Get(key(11));  // made again, dropping 12
    LOGFONTA made = {};
    ASSERT_EQ(GetObjectA(remade, sizeof made, &made), static_cast<int>(sizeof made));
    EXPECT_EQ(made.lfHeight, 11);
    EXPECT_EQ(cache.Size(), 3u);
}

TEST(FontCache, KeepsAScreenCompatibleMeasuringDC) {
    CGdiFontCache cache(1);
    ASSERT_NE(cache.MeasuringDC(), nullptr);
    EXPECT_EQ(GetObjectType(cache.MeasuringDC()), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GdiFontCache().Get({16, 300, false, false, false, 0, "IPAGothic"}),
              GdiFontCache().Get({16, 300, false, false, false, 0, "IPAGothic"}));
}

}  // namespace
