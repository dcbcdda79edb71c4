// The demo's effects chapter played by the game program itself, the story
// archive holding the chapter alone:
// - effects on: the snow over the landscape changes between two captures;
//   over the coloured bars the monochrome half is grey by the filter's
//   weights while the other half keeps its colours, and then the negative
//   half is inverted while the first half is back to its colours;
// - effects off ("UserData/Config.ini"): at every step, from the snow to the
//   negative filter, the screen shows steadily the picture beneath the
//   effect and nothing else.
// The screen is read above the menu layer's bar and key-wait icon. No error
// box appears.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

// Rows above the menu layer (its icon begins at 528, its bar at 560).
constexpr int kRows = 520;
// The moon on the landscape, left out where the sky is expected.
constexpr POINT kMoon = {700, 70};
constexpr int kMoonClearance = 40;
// The chapter's key waits before the monochrome filter's.
constexpr int kKeysToMonochrome = 8;
constexpr DWORD kKeyGapMs = 400;
constexpr DWORD kSteadyMs = 600;

using Screen = std::vector<Color32>;

Color32 At(const Screen& s, int x, int y) { return PixelAt(s, {x, y}); }

// The landscape: sky above 400, ground below; undecided near the moon.
bool IsLandscapeAt(const Screen& s, int x, int y) {
    const int dx = x - kMoon.x;
    const int dy = y - kMoon.y;
    if (dx * dx + dy * dy < kMoonClearance * kMoonClearance) return true;
    return At(s, x, y) == (y >= 400 ? kDemoGround : kDemoSky);
}

bool ShowsLandscapeOnly(const Screen& s) {
    if (s.empty()) return false;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (!IsLandscapeAt(s, x, y)) return false;
        }
    }
    return true;
}

// Most of a row of sky shows: the chapter has begun (snow or not).
bool LandscapeBegun(const Screen& s) {
    int sky = 0;
    for (int x = 0; x < 800; ++x) sky += At(s, x, 200) == kDemoSky;
    return sky > 600;
}

// Every pixel one colour.
bool ShowsFlat(const Screen& s, uint32_t colour) {
    if (s.empty()) return false;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (At(s, x, y) != colour) return false;
        }
    }
    return true;
}

// The dawn: a pale sky over a field from row 420.
bool ShowsDawn(const Screen& s) {
    if (s.empty()) return false;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (At(s, x, y) != (y >= 420 ? kDemoField : kDemoDawn)) return false;
        }
    }
    return true;
}

// The deep water: each row one colour, darker downwards.
bool ShowsDeepWater(const Screen& s) {
    if (s.empty() || At(s, 0, 0) == At(s, 0, kRows - 1)) return false;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 1; x < 800; ++x) {
            if (At(s, x, y) != At(s, 0, y)) return false;
        }
    }
    return true;
}

uint32_t Grey(uint32_t c) {
    const uint32_t v = (77 * (c >> 16 & 0xFF) + 28 * (c >> 8 & 0xFF) + 151 * (c & 0xFF)) >> 8;
    return v * 0x010101;
}

uint32_t Inverted(uint32_t c) { return ~c & 0xFFFFFF; }

using BarFilter = uint32_t (*)(uint32_t);
uint32_t Unchanged(uint32_t c) { return c; }

// Every pixel of the bars, the left half through `left` and the right half
// through `right`.
bool ShowsBars(const Screen& s, BarFilter left, BarFilter right) {
    if (s.empty()) return false;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < 800; ++x) {
            const uint32_t bar = kDemoBars[x / 100];
            if (At(s, x, y) != (x < 400 ? left(bar) : right(bar))) return false;
        }
    }
    return true;
}

int CountDifferences(const Screen& a, const Screen& b) {
    int count = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < 800; ++x) count += At(a, x, y) != At(b, x, y);
    }
    return count;
}

class DemoEffectsProcessTest : public testing::Test {
protected:
    void Start(bool useEffect) {
        CConfig settings = CChapterGame::ChapterSettings();
        settings.SetUseEffect(useEffect);
        window_ = game_.Start(settings);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(WaitUntilScreen(window_, LandscapeBegun));
    }

    // Presses Space at the chapter's key waits up to the monochrome
    // filter's, then polls until `shown` holds. Each step waits for its key
    // at once, so keys a moment apart are all taken; one lost key is made
    // up once.
    bool PressOnTo(const ScreenTest& shown) const {
        for (int i = 0; i < kKeysToMonochrome; ++i) {
            PressKey(window_, VK_SPACE);
            Sleep(kKeyGapMs);
        }
        if (WaitUntilScreen(window_, shown, 5000)) return true;
        PressKey(window_, VK_SPACE);
        return WaitUntilScreen(window_, shown, 5000);
    }

    // Whether the screen keeps showing what `shown` accepts for a while.
    bool StaysShown(const ScreenTest& shown) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kSteadyMs) {
            if (!shown(ReadScreenOf(window_))) return false;
            Sleep(100);
        }
        return true;
    }

    CChapterGame game_{"effects"};
    HWND window_ = nullptr;
};

TEST_F(DemoEffectsProcessTest, EffectsOnAnimateTheSnowAndFilterTheBars) {
    ASSERT_NO_FATAL_FAILURE(Start(true));
    // Flakes are added onto the landscape, and they move.
    Screen first;
    ASSERT_TRUE(WaitUntilScreen(
        window_, [&](const Screen& s) { return first = s, !ShowsLandscapeOnly(s); }, 5000));
    EXPECT_TRUE(WaitUntilScreen(window_, [&](const Screen& s) { return CountDifferences(first, s) > 100; }, 5000));

    ASSERT_TRUE(PressOnTo([](const Screen& s) { return ShowsBars(s, Grey, Unchanged); }));
    EXPECT_TRUE(StaysShown([](const Screen& s) { return ShowsBars(s, Grey, Unchanged); }));
    PressKey(window_, VK_SPACE);
    EXPECT_TRUE(WaitUntilScreen(window_, [](const Screen& s) { return ShowsBars(s, Unchanged, Inverted); }, 5000));
    EXPECT_FALSE(game_.ErrorBoxShown());
}

TEST_F(DemoEffectsProcessTest, EffectsOffShowOnlyWhatLiesBeneath) {
    ASSERT_NO_FATAL_FAILURE(Start(false));
    const ScreenTest night = [](const Screen& s) { return ShowsFlat(s, kDemoNight); };
    const ScreenTest bars = [](const Screen& s) { return ShowsBars(s, Unchanged, Unchanged); };
    // The chapter's steps in order, each by the picture beneath its effect.
    const struct {
        const char* effect;
        ScreenTest beneath;
    } steps[] = {
        {"Snow", ShowsLandscapeOnly}, {"Rain", ShowsLandscapeOnly}, {"Bubble", ShowsDeepWater},
        {"DNA", night},               {"Landscape", night},         {"Tunnel", night},
        {"Sphere", night},            {"LightNoise", ShowsDawn},    {"Monochrome", bars},
        {"Negative", bars},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(steps[i].effect);
        // A step with the picture of the one before shows at once; a key
        // lost there shows as a time-out at the next picture.
        if (i > 0) PressKey(window_, VK_SPACE);
        ASSERT_TRUE(WaitUntilScreen(window_, steps[i].beneath, 5000));
        EXPECT_TRUE(StaysShown(steps[i].beneath));
    }
    EXPECT_FALSE(game_.ErrorBoxShown());
}

}  // namespace
