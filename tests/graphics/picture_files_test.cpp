// Pictures loaded by path from the packed archives, through every loader.
#include <gtest/gtest.h>

#include "graphics/dib_section.h"
#include "graphics/direct_draw.h"
#include "graphics/image_file.h"
#include "graphics/memory_surface.h"
#include "graphics/png_image.h"
#include "graphics/video_surface.h"
#include "picture_archive.h"
#include "surface_contents.h"

namespace {

const std::vector<Color32> kSmallColours = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};

// A 2 x 2 raw image whose pixels carry alpha.
const Bytes kRawPixels = {0x33, 0x22, 0x11, 0x80, 0x04, 0x03, 0x02, 0x01,
                          0x00, 0x00, 0x00, 0x00, 0xFF, 0xEE, 0xDD, 0xCC};

Bytes RawFile(uint32_t packed, const Bytes& data) {
    Bytes file(24, 0);
    PutWord(file, 4, 2);
    PutWord(file, 8, 2);
    PutWord(file, 12, packed);
    PutWord(file, 16, 16);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

class PictureFiles : public PictureArchiveTest {
protected:
    void SetUp() override {
        PictureArchiveTest::SetUp();
        // Eight literals, then eight more.
        const Bytes packed = {0xFF, 0x33, 0x22, 0x11, 0x80, 0x04, 0x03, 0x02, 0x01,
                              0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xEE, 0xDD, 0xCC};
        const Bytes colours = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
        Pack("Pics", {{"Key.ABM", RawFile(0, kRawPixels)},
                      {"packed.abm", RawFile(1, packed)},
                      {"broken.abm", RawFile(0, Bytes(kRawPixels.begin(), kRawPixels.end() - 1))},
                      {"a.bmp", SmallBmp()},
                      {"down.bmp", EncodeBmp({1, -1, 24, {}, {{1, 2, 3}}})},
                      {"noise.bmp", Bytes(100, 0x5A)},
                      {"a.png", SmallPng()},
                      {"a.gif", EncodeGif(2, 1, colours, {1, 3})}});
    }
};

TEST_F(PictureFiles, RawImagesCarryAlphaAndKeyTheirTopLeftColour) {
    for (bool dib : {false, true}) {
        SCOPED_TRACE(dib);
        for (const char* path : {"Pics/Key.ABM", "Pics/key.abm", "Pics/packed.abm", "Pics\\PACKED.Abm"}) {
            SCOPED_TRACE(path);
            CMemorySurface surface;
            surface.SetUseDibSection(dib);
            ASSERT_EQ(surface.Load(path, false), 0);
            EXPECT_EQ(PixelBytesOf(surface), kRawPixels);
            EXPECT_TRUE(surface.HasImage());
            EXPECT_TRUE(surface.HasAlpha());
            EXPECT_EQ(surface.GetColorKey(), 0x00112233u);
        }
    }
    CMemorySurface surface;
    EXPECT_EQ(surface.Load("Pics/missing.abm", false), 1);
    EXPECT_EQ(surface.Load("Pics/broken.abm", false), 3);
    EXPECT_FALSE(surface.HasImage());
    EXPECT_FALSE(surface.HasAlpha());
    // Reading the pixels alone makes no loaded picture of them.
    ASSERT_EQ(surface.LoadRaw("Pics/key.abm"), 0);
    EXPECT_EQ(PixelBytesOf(surface), kRawPixels);
    EXPECT_FALSE(surface.HasImage());
    EXPECT_FALSE(surface.HasAlpha());
    EXPECT_EQ(surface.LoadRaw("Pics/a.png"), 3);
    EXPECT_EQ(surface.LoadRaw("Pics/missing.abm"), 1);
}

TEST_F(PictureFiles, OtherPicturesAreDrawnOpaqueInEitherStore) {
    for (bool dib : {true, false}) {
        SCOPED_TRACE(dib);
        CMemorySurface surface;
        surface.SetUseDibSection(dib);
        ASSERT_EQ(surface.Load("Pics/a.bmp", false), 0);
        EXPECT_EQ(PixelsOf(surface), kSmallColours);
        EXPECT_TRUE(surface.HasImage());
        EXPECT_FALSE(surface.HasAlpha());
        EXPECT_EQ(surface.GetColorKey(), 0u);
        EXPECT_EQ(surface.GetDC() != nullptr, dib);

        ASSERT_EQ(surface.Load("Pics/a.gif", false), 0);
        std::vector<Color32> colours = PixelsOf(surface);
        for (Color32& colour : colours) colour &= 0x00FFFFFF;
        EXPECT_EQ(colours, std::vector<Color32>({0x0000FF00, 0x00FFFFFF}));
    }
}

TEST_F(PictureFiles, PicturesThatCannotBeDrawnGiveTheirStepsFailure) {
    struct Case {
        const char* path;
        int dibResult;
        int heapResult;
    };
    // A top-down BMP reports a negative height: no size to allocate.
    const Case cases[] = {{"Pics/missing.bmp", 1, 5}, {"Pics/noise.bmp", 1, 5}, {"Pics/down.bmp", 2, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CMemorySurface dib;
        dib.SetUseDibSection(true);
        EXPECT_EQ(dib.Load(c.path, false), c.dibResult);
        EXPECT_FALSE(dib.HasImage());
        CMemorySurface heap;
        EXPECT_EQ(heap.Load(c.path, false), c.heapResult);
        EXPECT_FALSE(heap.HasImage());
        CDibSection section;
        EXPECT_EQ(section.LoadPicture(c.path, 32), c.dibResult);
    }
}

TEST_F(PictureFiles, DibSectionsLoadPicturesAtTheirSize) {
    CDibSection section;
    ASSERT_EQ(section.LoadPicture("Pics/a.bmp", 32), 0);
    int width = 0;
    int height = 0;
    ASSERT_EQ(section.GetSize(width, height), 0);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    const Color32* bits = reinterpret_cast<const Color32*>(section.GetBits());
    EXPECT_EQ(std::vector<Color32>(bits, bits + 4), kSmallColours);
    section.Destroy();
    EXPECT_EQ(section.GetSize(width, height), 1);
    EXPECT_EQ(section.GetBits(), nullptr);
}

TEST_F(PictureFiles, PngFilesAndTheLoaderThatChoosesByExtension) {
    CMemorySurface surface;
    ASSERT_EQ(LoadPngImage(surface, "Pics/a.png"), 0);
    EXPECT_EQ(PixelsOf(surface), std::vector<Color32>({0x80102030, 0xFF405060, 0x00708090, 0x40A0B0C0}));
    EXPECT_TRUE(surface.HasAlpha());
    EXPECT_EQ(LoadPngImage(surface, "Pics/missing.png"), -1);
    EXPECT_EQ(LoadPngImage(surface, "Pics/a.bmp"), -1);

    // PNG into a heap surface, everything else into a DIB section.
    struct Case {
        const char* path;
        bool loaded;
        bool dib;
    };
    const Case cases[] = {{"Pics/a.png", true, false}, {"Pics/A.PNG", true, false}, {"Pics/a.bmp", true, true},
                          {"Pics/key.abm", true, true}, {"Pics/a.gif", true, true},
                          {"Pics/missing.bmp", false, true}, {"Pics/noise.png", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CMemorySurface picture;
        EXPECT_EQ(LoadImageFile(picture, c.path), c.loaded);
        if (c.loaded) {
            EXPECT_EQ(picture.GetDC() != nullptr, c.dib);
        }
    }
}

class VideoPictureFiles : public PictureFiles {
protected:
    void SetUp() override {
        PictureFiles::SetUp();
        ASSERT_EQ(GetDirectDraw()->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
    }

    // The surface's pixels, which must all have their unused byte cleared.
    static std::vector<Color32> Pixels(CVideoSurface& video) {
        DDSURFACEDESC desc = {};
        desc.dwSize = sizeof desc;
        IDirectDrawSurface* surface = video.GetDirectDrawSurface();
        EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        std::vector<Color32> pixels;
        for (DWORD y = 0; y < desc.dwHeight; ++y) {
            const Color32* row = reinterpret_cast<const Color32*>(static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch);
            pixels.insert(pixels.end(), row, row + desc.dwWidth);
        }
        surface->Unlock(nullptr);
        return pixels;
    }

    static DWORD Key(CVideoSurface& video) {
        DDCOLORKEY key = {};
        EXPECT_EQ(video.GetDirectDrawSurface()->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
        return key.dwColorSpaceLowValue;
    }

    CDirectDrawHolder holder_;
};

TEST_F(VideoPictureFiles, PicturesLoadKeyedOnTheirTopLeftPixel) {
    CVideoSurface video;
    ASSERT_EQ(video.Load("Pics/a.bmp", false), 0);
    EXPECT_TRUE(video.HasImage());
    EXPECT_EQ(SizeOf(video), Size(2, 2));
    EXPECT_EQ(Pixels(video), kSmallColours);
    EXPECT_EQ(Key(video), 0x00102030u);

    // The 32-bit desktop chooses the second file.
    CVideoSurface chosen;
    ASSERT_EQ(chosen.LoadForDisplayDepth("Pics/missing.bmp", "Pics/a.gif", false), 0);
    EXPECT_EQ(Pixels(chosen), std::vector<Color32>({0x0000FF00, 0x00FFFFFF}));
    EXPECT_EQ(Key(chosen), 0x0000FF00u);

    const std::pair<const char*, int> failures[] = {
        {"Pics/missing.bmp", 1}, {"Pics/noise.bmp", 2}, {"Pics/down.bmp", 3}};
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.first);
        CVideoSurface refused;
        EXPECT_EQ(refused.Load(failure.first, false), failure.second);
        EXPECT_FALSE(refused.HasImage());
    }
}

TEST_F(VideoPictureFiles, LostSurfacesAreRebuiltAfterAModeSwitch) {
    CVideoSurface first;
    CVideoSurface chosen;
    CVideoSurface blank;
    CVideoSurface untouched;
    ASSERT_EQ(first.Load("Pics/a.bmp", true), 0);
    ASSERT_EQ(chosen.LoadForDisplayDepth("Pics/missing.bmp", "Pics/a.gif", false), 0);
    ASSERT_EQ(blank.Create(3, 1), 0);

    // Taking the display exclusively loses every DirectDraw surface.
    HWND window = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    IDirectDraw* directDraw = GetDirectDraw();
    ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
    for (CVideoSurface* video : {&first, &chosen, &blank}) {
        EXPECT_EQ(video->GetDirectDrawSurface()->IsLost(), DDERR_SURFACELOST);
    }
    // One made after the switch is not lost: restoring leaves it alone.
    ASSERT_EQ(untouched.Create(1, 1), 0);
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(untouched.GetDirectDrawSurface()->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    *static_cast<DWORD*>(desc.lpSurface) = 0x00ABCDEF;
    untouched.GetDirectDrawSurface()->Unlock(nullptr);

    EXPECT_EQ(RestoreVideoSurfaces(), 0);
    for (CVideoSurface* video : {&first, &chosen, &blank, &untouched}) {
        EXPECT_EQ(video->GetDirectDrawSurface()->IsLost(), DD_OK);
    }
    EXPECT_EQ(Pixels(first), kSmallColours);
    EXPECT_EQ(Key(first), 0x00102030u);
    EXPECT_EQ(Pixels(chosen), std::vector<Color32>({0x0000FF00, 0x00FFFFFF}));
    // A new surface is black; the display surface's pixels have no alpha, so
    // the unused top byte is whatever the driver leaves there.
    for (Color32 pixel : Pixels(blank)) EXPECT_EQ(pixel & 0x00FFFFFFu, 0u);
    EXPECT_EQ(Key(blank), 0u);
    EXPECT_TRUE(first.HasImage());
    EXPECT_FALSE(blank.HasImage());
    EXPECT_EQ(Pixels(untouched), std::vector<Color32>({0x00ABCDEF}));
    DestroyWindow(window);
}

}  // namespace
