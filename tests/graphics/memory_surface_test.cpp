#include "graphics/memory_surface.h"

#include <gtest/gtest.h>

#include <cstring>

#include "expect_box.h"
#include "rect_compare.h"
#include "surface_contents.h"

namespace {

constexpr int kSurfaceModule = 1010;

class MemorySurface : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { surface.SetUseDibSection(GetParam()); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CMemorySurface surface;
};

TEST_P(MemorySurface, CreateGivesCleanTopDownPixelsWithoutPadding) {
    ASSERT_EQ(surface.Create(3, 2), 0);
    const RECT expected = {0, 0, 3, 2};
    EXPECT_EQ(*surface.GetBounds(), expected);
    EXPECT_EQ(surface.GetPitch(), 12);
    EXPECT_EQ(SizeOf(surface), Size(3, 2));
    EXPECT_FALSE(surface.HasImage());
    EXPECT_FALSE(surface.HasAlpha());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(surface.GetPixels()[i], 0u) << i;
    EXPECT_EQ(surface.GetDC() != nullptr, GetParam());
    if (!GetParam()) {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(surface.GetPixels()) % 32, 0u);
    }

    // Pixel (2, 1) is the sixth word; a colour is stored as B, G, R, A.
    const RECT one = {2, 1, 3, 2};
    EXPECT_EQ(surface.Fill(0x11223344, &one), 0);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(surface.GetPixels());
    const uint8_t expectedBytes[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                       0, 0, 0, 0, 0, 0, 0, 0, 0x44, 0x33, 0x22, 0x11};
    EXPECT_EQ(std::memcmp(bytes, expectedBytes, sizeof expectedBytes), 0);
    EXPECT_EQ(surface.GetPixel(2, 1), 0x11223344u);
    EXPECT_EQ(surface.GetPixel(1, 1), 0u);
}

TEST_P(MemorySurface, FillStoresTheColourUnblendedOrTheDefaultColour) {
    ASSERT_EQ(surface.Create(4, 3), 0);
    EXPECT_EQ(surface.Fill(0x80FFFFFF, nullptr), 0);
    for (int i = 0; i < 12; ++i) ASSERT_EQ(surface.GetPixels()[i], 0x80FFFFFFu);

    // 0xFFFFFFFF is the default colour, transparent black, not white.
    const RECT middle = {1, 1, 3, 2};
    EXPECT_EQ(surface.Fill(0xFFFFFFFF, &middle), 0);
    const Color32 w = 0x80FFFFFF;
    const Color32 expected[12] = {w, w, w, w, w, 0, 0, w, w, w, w, w};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(surface.GetPixels()[i], expected[i]) << i;

    // The whole surface is a rectangle inside it; an empty one writes nothing.
    const RECT whole = {0, 0, 4, 3};
    EXPECT_EQ(surface.Fill(0x01020304, &whole), 0);
    const RECT empty = {3, 1, 2, 2};
    EXPECT_EQ(surface.Fill(0xFFFFFFFF, &empty), 0);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(surface.GetPixels()[i], 0x01020304u) << i;
}

TEST_P(MemorySurface, FillRectangleReachingOutsideIsAProgrammingError) {
    ASSERT_EQ(surface.Create(4, 3), 0);
    const RECT outside[] = {{0, 0, 5, 3}, {-1, 0, 4, 3}, {0, -1, 4, 3}, {0, 0, 4, 4}};
    for (const RECT& rect : outside) {
        EXPECT_THROW(surface.Fill(0, &rect), CInternalError);
        ExpectOneBox(ErrorKind::Warning, kSurfaceModule, 532);
    }
}

TEST_P(MemorySurface, ColourKeysKeepOnlyTheRgbBytes) {
    EXPECT_EQ(surface.SetColorKey(0xAABBCCDD), 0);
    EXPECT_EQ(surface.GetColorKey(), 0x00BBCCDDu);
    ASSERT_EQ(surface.Create(3, 2), 0);
    const RECT pixel = {1, 1, 2, 2};
    surface.Fill(0x7F102030, &pixel);
    const POINT outside[] = {{3, 0}, {0, 2}, {-1, 0}, {0, -1}};
    for (const POINT& p : outside) {
        EXPECT_EQ(surface.SetColorKeyFromPixel(p.x, p.y), 1);
        EXPECT_EQ(surface.GetColorKey(), 0x00BBCCDDu);
    }
    EXPECT_EQ(surface.SetColorKeyFromPixel(1, 1), 0);
    EXPECT_EQ(surface.GetColorKey(), 0x00102030u);
}

TEST_P(MemorySurface, DestroyEmptiesAndKeepsPitchAndKey) {
    ASSERT_EQ(surface.Create(5, 1), 0);
    surface.SetColorKey(0x123456);
    surface.SetHasAlpha(true);
    EXPECT_EQ(surface.Destroy(), 0);
    const RECT zero = {0, 0, 0, 0};
    EXPECT_EQ(*surface.GetBounds(), zero);
    EXPECT_EQ(surface.GetPitch(), 20);
    EXPECT_EQ(surface.GetColorKey(), 0x123456u);
    EXPECT_FALSE(surface.HasAlpha());
    EXPECT_EQ(surface.GetDC(), nullptr);
    EXPECT_EQ(SizeOf(surface), Size(0, 0));
    EXPECT_EQ(surface.Fill(0, nullptr), 1);
    // The store chosen before stays for the next allocation.
    ASSERT_EQ(surface.Create(2, 2), 0);
    EXPECT_EQ(surface.GetDC() != nullptr, GetParam());
}

TEST_P(MemorySurface, SizesThatCannotBeHadFailWithoutABox) {
    EXPECT_EQ(surface.Create(100000, 100000), 1);
    EXPECT_EQ(surface.Create(0x7FFFFFFF, 1), 1);
    ASSERT_EQ(surface.Create(1, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(HeapAndDibSection, MemorySurface, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "DibSection" : "Heap";
                         });

TEST(MemorySurfaceErrors, NonPositiveSizesAndEmptySurfacesEndInWarningBoxes) {
    CMemorySurface surface;
    const POINT sizes[] = {{0, 5}, {5, 0}, {-1, 3}, {3, -1}};
    for (const POINT& size : sizes) {
        EXPECT_THROW(surface.Create(size.x, size.y), CInternalError);
        ExpectOneBox(ErrorKind::Warning, kSurfaceModule, 66);
    }
    EXPECT_THROW(surface.GetPixels(), CInternalError);
    ExpectOneBox(ErrorKind::Warning, kSurfaceModule, 577);
    EXPECT_THROW(surface.GetPixel(0, 0), CInternalError);
    ExpectOneBox(ErrorKind::Warning, kSurfaceModule, 624);
    EXPECT_THROW(surface.SetColorKeyFromPixel(0, 0), CInternalError);
    ExpectOneBox(ErrorKind::Warning, kSurfaceModule, 602);
}

TEST(MemorySurfaceErrors, MemorySurfacesCannotLoadForTheDisplayDepth) {
    CMemorySurface surface;
    EXPECT_EQ(surface.LoadForDisplayDepth("a.bmp", "b.bmp", true), 1);
    EXPECT_FALSE(surface.HasImage());
    EXPECT_EQ(SizeOf(surface), Size(0, 0));
}

TEST(MemorySurfaceDib, GdiDrawsIntoTheSamePixelsTopDown) {
    CMemorySurface surface;
    surface.SetUseDibSection(true);
    ASSERT_EQ(surface.Create(3, 2), 0);
    SetPixel(surface.GetDC(), 1, 0, RGB(0x10, 0x20, 0x30));
    SetPixel(surface.GetDC(), 2, 1, RGB(0xFF, 0x00, 0x80));
    GdiFlush();
    EXPECT_EQ(surface.GetPixel(1, 0), 0x00102030u);
    EXPECT_EQ(surface.GetPixel(2, 1), 0x00FF0080u);
    EXPECT_EQ(surface.GetPixel(0, 0), 0u);
}

}  // namespace
