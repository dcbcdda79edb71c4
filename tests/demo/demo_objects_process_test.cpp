// The demo's 3D chapter played by the game program itself, the story archive
// holding the chapter alone, polled from the screen. The ring stands at the
// node's place, (400, 270), symmetric about its horizontal axis as it turns
// about the vertical one. What differs from the background tells its size:
// its half height, which the turn changes only through perspective, is
// worked out for the ring far back (6 units from the camera), come forward
// (2 units) and grown to twice its size. Two screens of the turn differ;
// then it fades, and the background returns; a key starts the chapter over.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

constexpr POINT kPlace = {400, 270};
// The ring's outer radius in the object's units and the renderer's focal
// length in pixels.
constexpr double kReach = 0.5;
constexpr double kFocal = 400;

// The half heights in pixels the ring may show at a distance from the
// camera and a scale. Face on it is focal x k, k = reach x scale /
// distance; turned, the rim's nearer half rises above that, at most to
// focal x k / sqrt(1 - k^2) (the rim point with cos u = k, the ring turned
// edge on), and the tube's nearer side to a few hundredths more.
struct HalfHeights {
    double low, high;
};
HalfHeights HalfHeightsAt(double distance, double scale) {
    const double k = kReach * scale / distance;
    return {kFocal * k - 1, kFocal * k / std::sqrt(1 - k * k) * 1.04 + 1};
}

// Where the ring may show: clear of the moon on the right of the
// background, of the menu bar at the bottom and of the key-wait icon.
constexpr RECT kArea = {120, 0, 660, 550};

// What of the screen differs from the background (sky above 400, ground
// below) inside the area.
struct RingView {
    int pixels = 0;
    RECT bounds = {kArea.right, kArea.bottom, kArea.left, kArea.top};
    // The mean difference of the differing pixels from the background, the
    // three channels added.
    double contrast = 0;

    double HalfHeight() const { return (bounds.bottom - bounds.top) / 2.0; }
    // The vertical middle lies on the place within two pixels (the ring is
    // symmetric about its horizontal axis), and the place lies inside.
    bool AtPlace() const {
        return pixels > 0 && std::abs(bounds.top + bounds.bottom - 1 - 2 * kPlace.y) <= 4 &&
               bounds.left < kPlace.x && kPlace.x < bounds.right;
    }
    bool HasHalfHeight(const HalfHeights& expected) const {
        return pixels > 0 && expected.low <= HalfHeight() && HalfHeight() <= expected.high;
    }
};

int ChannelDifference(Color32 a, Color32 b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

RingView ViewRing(const std::vector<Color32>& shown) {
    RingView view;
    if (shown.empty()) return view;
    long long difference = 0;
    for (int y = kArea.top; y < kArea.bottom; ++y) {
        const Color32 background = y < 400 ? kDemoSky : kDemoGround;
        for (int x = kArea.left; x < kArea.right; ++x) {
            const Color32 seen = shown[y * 800 + x];
            if (seen == background) continue;
            ++view.pixels;
            difference += ChannelDifference(seen, background);
            view.bounds.left = std::min<LONG>(view.bounds.left, x);
            view.bounds.top = std::min<LONG>(view.bounds.top, y);
            view.bounds.right = std::max<LONG>(view.bounds.right, x + 1);
            view.bounds.bottom = std::max<LONG>(view.bounds.bottom, y + 1);
        }
    }
    if (view.pixels > 0) view.contrast = double(difference) / view.pixels;
    return view;
}

// Whether two screens show the same inside the area.
bool SameInArea(const std::vector<Color32>& a, const std::vector<Color32>& b) {
    for (int y = kArea.top; y < kArea.bottom; ++y) {
        const auto row = a.begin() + y * 800;
        if (!std::equal(row + kArea.left, row + kArea.right, b.begin() + y * 800 + kArea.left)) return false;
    }
    return true;
}

// What a failed wait last saw.
std::string Describe(const RingView& v) {
    char text[160];
    std::snprintf(text, sizeof text, "last seen: %d pixels in (%ld, %ld)-(%ld, %ld), contrast %.1f", v.pixels,
                  static_cast<long>(v.bounds.left), static_cast<long>(v.bounds.top),
                  static_cast<long>(v.bounds.right), static_cast<long>(v.bounds.bottom), v.contrast);
    return text;
}

// Polls until the ring's view passes the test; the screen that passed is
// kept. A failure names what the last screen showed.
testing::AssertionResult WaitForRing(HWND window, const std::function<bool(const RingView&)>& test,
                                     std::vector<Color32>* passed = nullptr) {
    RingView last;
    const bool seen = WaitUntilScreen(window, [&](const std::vector<Color32>& shown) {
        last = ViewRing(shown);
        if (!test(last)) return false;
        if (passed) *passed = shown;
        return true;
    });
    if (seen) return testing::AssertionSuccess();
    return testing::AssertionFailure() << Describe(last);
}

bool FarBack(const RingView& v) { return v.AtPlace() && v.HasHalfHeight(HalfHeightsAt(6, 1)); }
bool CameForward(const RingView& v) { return v.AtPlace() && v.HasHalfHeight(HalfHeightsAt(2, 1)); }
bool Grown(const RingView& v) { return v.AtPlace() && v.HasHalfHeight(HalfHeightsAt(2, 2)); }
bool Gone(const RingView& v) { return v.pixels == 0; }

TEST(DemoObjectsProcessTest, TheRingTurnsComesForwardGrowsAndFades) {
    CChapterGame game{"objects"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);

    // Far back and turning: two screens of it differ where it shows.
    std::vector<Color32> first;
    ASSERT_TRUE(WaitForRing(window, FarBack, &first));
    EXPECT_TRUE(WaitUntilScreen(window, [&](const std::vector<Color32>& shown) {
        return FarBack(ViewRing(shown)) && !SameInArea(shown, first);
    }));

    ASSERT_TRUE(WaitForRing(window, CameForward));
    std::vector<Color32> grown;
    ASSERT_TRUE(WaitForRing(window, Grown, &grown));

    // The fade: the ring still at its full size, but nearer the background
    // than half its opaque difference (turning changes that by less).
    const double opaque = ViewRing(grown).contrast;
    EXPECT_TRUE(WaitForRing(window, [&](const RingView& v) { return Grown(v) && v.contrast < opaque / 2; }))
        << "opaque contrast " << opaque;
    EXPECT_TRUE(WaitForRing(window, Gone));
    EXPECT_FALSE(game.ErrorBoxShown());

    // The chapter ends on a key wait; the key starts it over.
    PressKey(window, VK_SPACE);
    EXPECT_TRUE(WaitForRing(window, FarBack));
    EXPECT_FALSE(game.ErrorBoxShown());
}

}  // namespace
