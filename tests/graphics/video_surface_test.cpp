#include "graphics/video_surface.h"

#include <gtest/gtest.h>

#include "expect_box.h"
#include "graphics/direct_draw.h"
#include "graphics/memory_surface.h"
#include "surface_contents.h"

namespace {

constexpr int kVideoModule = 1014;

class VideoSurface : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetDirectDraw()->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CDirectDrawHolder holder;
};

DDSURFACEDESC Lock(IDirectDrawSurface* surface) {
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    return desc;
}

DWORD& PixelAt(const DDSURFACEDESC& desc, int x, int y) {
    return reinterpret_cast<DWORD*>(static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch)[x];
}

DDCOLORKEY ColorKey(IDirectDrawSurface* surface) {
    DDCOLORKEY key = {0x5A5A5A5A, 0x5A5A5A5A};
    EXPECT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    return key;
}

TEST_F(VideoSurface, CreateMakesABlackSurfaceKeyedOnBlack) {
    CVideoSurface video;
    ASSERT_EQ(video.Create(4, 3), 0);
    IDirectDrawSurface* surface = video.GetDirectDrawSurface();
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(SizeOf(video), Size(4, 3));
    EXPECT_FALSE(video.HasImage());
    EXPECT_FALSE(video.HasAlpha());
    EXPECT_EQ(video.SetColorKey(0x123456), 0);

    const DDSURFACEDESC desc = Lock(surface);
    // The session's desktop has 32 bits, and so have its off-screen surfaces.
    EXPECT_EQ(desc.ddpfPixelFormat.dwRGBBitCount, 32u);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(desc, x, y) & 0x00FFFFFF, 0u);
    }
    surface->Unlock(nullptr);
    const DDCOLORKEY key = ColorKey(surface);
    EXPECT_EQ(key.dwColorSpaceLowValue, 0u);
    EXPECT_EQ(key.dwColorSpaceHighValue, 0u);

    EXPECT_EQ(video.Destroy(), 0);
    EXPECT_EQ(video.GetDirectDrawSurface(), nullptr);
    EXPECT_EQ(SizeOf(video), Size(0, 0));
    EXPECT_EQ(video.SetColorKeyFromPixel(0, 0), -1);
}

TEST_F(VideoSurface, PixelsAreReadInTheSurfaceFormatWithoutTheUnusedByte) {
    CVideoSurface video;
    ASSERT_EQ(video.Create(3, 2), 0);
    IDirectDrawSurface* surface = video.GetDirectDrawSurface();
    DDSURFACEDESC desc = Lock(surface);
    PixelAt(desc, 0, 0) = 0xAB000001;
    PixelAt(desc, 2, 1) = 0xFF123456;
    surface->Unlock(nullptr);

    EXPECT_EQ(ReadSurfacePixel(surface, 2, 1), 0x00123456u);
    EXPECT_EQ(ReadSurfacePixel(surface, 0, 0), 0x00000001u);
    const POINT outside[] = {{3, 0}, {0, 2}, {-1, 0}, {0, -1}};
    for (const POINT& p : outside) EXPECT_EQ(ReadSurfacePixel(surface, p.x, p.y), 0xFFFFFFFFu);

    // GDI writes the colour into pixel (0, 0), whose own value comes back.
    EXPECT_EQ(ColorMatch(surface, RGB(0x12, 0x34, 0x56)), 0x00123456u);
    EXPECT_EQ(ColorMatch(surface, RGB(0xFF, 0x00, 0x80)), 0x00FF0080u);
    EXPECT_EQ(ColorMatch(surface, CLR_INVALID), 0x00000001u);
    desc = Lock(surface);
    EXPECT_EQ(PixelAt(desc, 0, 0), 0xAB000001u);
    surface->Unlock(nullptr);

    // The key pixel's value becomes the key; a pixel outside gives a key no
    // pixel has.
    EXPECT_EQ(video.SetColorKeyFromPixel(2, 1), DD_OK);
    EXPECT_EQ(ColorKey(surface).dwColorSpaceLowValue, 0x00123456u);
    EXPECT_EQ(ColorKey(surface).dwColorSpaceHighValue, 0x00123456u);
    EXPECT_EQ(video.SetColorKeyFromPixel(3, 0), DD_OK);
    EXPECT_EQ(ColorKey(surface).dwColorSpaceLowValue, 0xFFFFFFFFu);
    // Applying the key reads the remembered pixel again.
    desc = Lock(surface);
    PixelAt(desc, 2, 1) = 0x00654321;
    surface->Unlock(nullptr);
    video.SetColorKeyFromPixel(2, 1);
    EXPECT_EQ(video.ApplyColorKey(), 0);
    EXPECT_EQ(ColorKey(surface).dwColorSpaceLowValue, 0x00654321u);
    video.ResetColorKey();
    video.ApplyColorKey();
    EXPECT_EQ(ColorKey(surface).dwColorSpaceLowValue, 0x00000001u);
}

TEST_F(VideoSurface, OneDcAtATime) {
    CVideoSurface video;
    EXPECT_EQ(video.GetDC(), nullptr);
    ASSERT_EQ(video.Create(2, 2), 0);
    HDC dc = video.GetDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_THROW(video.GetDC(), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kVideoModule, 334);
    video.ReleaseDC();
    EXPECT_THROW(video.ReleaseDC(), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kVideoModule, 346);
    EXPECT_NE(video.GetDC(), nullptr);
    video.ReleaseDC();
}

TEST_F(VideoSurface, MemorySurfacesCopyThroughGdi) {
    CVideoSurface video;
    ASSERT_EQ(video.Create(3, 2), 0);
    CMemorySurface frame;
    frame.SetUseDibSection(true);
    ASSERT_EQ(frame.Create(3, 2), 0);
    const Color32 pattern[6] = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0, 0x00D0E0F0, 0x00FFFFFF};
    for (int i = 0; i < 6; ++i) frame.GetPixels()[i] = pattern[i];

    ASSERT_EQ(frame.CopyToVideoSurface(video), 0);
    DDSURFACEDESC desc = Lock(video.GetDirectDrawSurface());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PixelAt(desc, i % 3, i / 3) & 0x00FFFFFF, pattern[i]) << i;
    PixelAt(desc, 1, 1) = 0x00010203;
    video.GetDirectDrawSurface()->Unlock(nullptr);

    CMemorySurface back;
    back.SetUseDibSection(true);
    ASSERT_EQ(back.Create(3, 2), 0);
    ASSERT_EQ(back.CopyFromVideoSurface(video), 0);
    GdiFlush();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(back.GetPixels()[i] & 0x00FFFFFF, i == 4 ? 0x00010203u : pattern[i]) << i;
    }

    // Without a surface there is no DC to copy through.
    CVideoSurface empty;
    EXPECT_EQ(frame.CopyToVideoSurface(empty), 2);
    EXPECT_EQ(frame.CopyFromVideoSurface(empty), 2);
}

TEST_F(VideoSurface, HeapSurfacesCannotCopy) {
    CVideoSurface video;
    ASSERT_EQ(video.Create(2, 2), 0);
    CMemorySurface heap;
    ASSERT_EQ(heap.Create(2, 2), 0);
    EXPECT_THROW(heap.CopyToVideoSurface(video), CInternalError);
    ExpectOneBox(ErrorKind::Warning, 1010, 156);
    EXPECT_THROW(heap.CopyFromVideoSurface(video), CInternalError);
    ExpectOneBox(ErrorKind::Warning, 1010, 173);
}

TEST(VideoSurfaceWithoutDirectDraw, CreateFails) {
    ASSERT_EQ(GetDirectDraw(), nullptr);
    CVideoSurface video;
    EXPECT_EQ(video.Create(2, 2), 1);
    EXPECT_EQ(video.GetDirectDrawSurface(), nullptr);
    EXPECT_EQ(RestoreVideoSurfaces(), 0);
}

}  // namespace
