#include "graphics/display_modes.h"

#include <gtest/gtest.h>

#include "graphics/direct_draw.h"
#include "support/error_recorder.h"

namespace {

bool Listed(const DisplayModeList& modes, DWORD width, DWORD height, DWORD depth) {
    for (const DDSURFACEDESC& mode : modes) {
        if (mode.dwWidth == width && mode.dwHeight == height &&
            mode.ddpfPixelFormat.dwRGBBitCount == depth) {
            return true;
        }
    }
    return false;
}

TEST(DisplayModes, ListedModesAreTheSupportedOnes) {
    ClearRecordedErrors();
    CDirectDrawHolder holder;
    DisplayModeList modes(3);  // whatever was in the list goes
    ListDisplayModes(&modes);
    ASSERT_FALSE(modes.empty());
    for (const DDSURFACEDESC& mode : modes) {
        EXPECT_EQ(mode.dwSize, sizeof(DDSURFACEDESC));
        EXPECT_NE(mode.dwWidth, 0u);
    }
    // The game's full-screen size is offered (the test program runs in a
    // virtual desktop of Wine's, which offers the standard sizes below its
    // own, see tools/wine-settings.reg).
    EXPECT_TRUE(Listed(modes, 800, 600, 32));

    // DirectDraw enumerates slowly under Wine, so the sizes asked are few.
    struct Mode {
        DWORD width, height, depth;
    };
    const Mode asked[] = {{800, 600, 8},  {800, 600, 16}, {800, 600, 24}, {800, 600, 32},
                          {640, 480, 16}, {801, 600, 32}, {800, 601, 16}};
    for (const Mode& mode : asked) {
        EXPECT_EQ(IsDisplayModeSupported(mode.width, mode.height, mode.depth),
                  Listed(modes, mode.width, mode.height, mode.depth))
            << mode.width << "x" << mode.height << "x" << mode.depth;
    }
    // Wine, like many adapters, offers no 24-bit modes: the answer is false
    // and no box is shown.
    EXPECT_FALSE(IsDisplayModeSupported(800, 600, 24));
    EXPECT_TRUE(RecordedErrors().empty());

    DisplayModeList again;
    ListDisplayModes(&again);
    EXPECT_EQ(again.size(), modes.size());
}

TEST(DisplayModes, WithoutDirectDrawNothingIsSupported) {
    ASSERT_EQ(GetDirectDraw(), nullptr);
    EXPECT_FALSE(IsDisplayModeSupported(800, 600, 32));
    DisplayModeList modes(2);
    ListDisplayModes(&modes);
    EXPECT_TRUE(modes.empty());
}

}  // namespace
