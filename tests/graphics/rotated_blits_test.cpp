#include "graphics/rotated_blits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "graphics/blend_blits.h"
#include "graphics/blit_pointers.h"
#include "simd_switches.h"

namespace {

constexpr int32_t kOne = 65536;

FixedPoint Px(int x, int y) { return {x * kOne, y * kOne}; }

constexpr Color32 kBackground = 0x5A3C7896;

// A destination of 32 x 32 pixels, each different.
void FillDestination(CMemorySurface& s) {
    ASSERT_EQ(s.Create(32, 32), 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            s.GetPixels()[y * 32 + x] = kBackground ^ static_cast<Color32>(x * 0x0713 + y * 0x1B0500);
        }
    }
}

// An 11 x 11 source whose alpha bytes run through 0, 255 and values between.
void FillSource(CMemorySurface& s) {
    ASSERT_EQ(s.Create(11, 11), 0);
    const uint32_t alphas[] = {0, 255, 1, 128, 254, 77, 200};
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const uint32_t colour = static_cast<uint32_t>((x * 23 + y * 7) & 255) |
                                    static_cast<uint32_t>((x * 5 + y * 31 + 40) & 255) << 8 |
                                    static_cast<uint32_t>((200 - x * 11 + y * 3) & 255) << 16;
            s.GetPixels()[y * 11 + x] = colour | alphas[(x + 3 * y) % 7] << 24;
        }
    }
}

const FixedPoint kSourceCorners[4] = {Px(0, 0), Px(10, 0), Px(10, 10), Px(0, 10)};

// Three placements of the 11 x 11 source, each with the source pixel every
// destination pixel inside it shows, worked out from the edges by hand.
struct Placement {
    const char* name;
    FixedPoint corners[4];
    // False outside the quadrilateral.
    std::function<bool(int x, int y, int& u, int& v)> sample;
};

const Placement kPlacements[] = {
    // Unturned: rows and columns 10 to 20.
    {"0 degrees",
     {Px(10, 10), Px(20, 10), Px(20, 20), Px(10, 20)},
     [](int x, int y, int& u, int& v) {
         u = x - 10;
         v = y - 10;
         return x >= 10 && x <= 20 && y >= 10 && y <= 20;
     }},
    // Turned clockwise: the source's top-left corner lands at (20, 10).
    {"90 degrees",
     {Px(20, 10), Px(20, 20), Px(10, 20), Px(10, 10)},
     [](int x, int y, int& u, int& v) {
         u = y - 10;
         v = 20 - x;
         return x >= 10 && x <= 20 && y >= 10 && y <= 20;
     }},
    // Turned by 45 degrees onto the diamond |x - 10| + |y - 10| <= 5: two
    // source pixels a step along each edge.
    {"45 degrees",
     {Px(10, 5), Px(15, 10), Px(10, 15), Px(5, 10)},
     [](int x, int y, int& u, int& v) {
         u = x + y - 15;
         v = y + 5 - x;
         return std::abs(x - 10) + std::abs(y - 10) <= 5;
     }},
};

void BlitCopy(CMemorySurface& dest, const Placement& p, const CMemorySurface& src,
              const RECT* clip) {
    BlitRotatedNormal(dest, p.corners[0], p.corners[1], p.corners[2], p.corners[3], src,
                      kSourceCorners[0], kSourceCorners[1], kSourceCorners[2], kSourceCorners[3],
                      clip);
}

void ExpectCopied(const CMemorySurface& before, const CMemorySurface& after,
                  const CMemorySurface& src, const Placement& p, const RECT& clip) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            int u = 0, v = 0;
            const bool inClip = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            const Color32 expected =
                inClip && p.sample(x, y, u, v) ? src.GetPixel(u, v) : before.GetPixel(x, y);
            ASSERT_EQ(after.GetPixel(x, y), expected) << x << ", " << y;
        }
    }
}

TEST(RotatedBlits, CopyTheSourceOntoTurnedSquaresOnEveryPath) {
    CMemorySurface src, before;
    FillSource(src);
    FillDestination(before);
    for (const SimdSwitches& switches : kEverySwitchSetting) {
        CScopedSimdSwitches scoped(switches);
        for (const Placement& p : kPlacements) {
            SCOPED_TRACE(std::string(p.name) + ", " + switches.name);
            CMemorySurface dest;
            FillDestination(dest);
            BlitCopy(dest, p, src, nullptr);
            ExpectCopied(before, dest, src, p, {0, 0, 32, 32});
        }
    }
}

// A clip cutting each side: spans that start left of it begin at its left
// edge with their source coordinates advanced by the pixels cut.
TEST(RotatedBlits, TheClipCutsEachSideAndAdvancesTheSourceCoordinates) {
    CMemorySurface src, before;
    FillSource(src);
    FillDestination(before);
    const RECT clips[] = {{13, 0, 32, 32}, {0, 0, 17, 32}, {0, 12, 32, 32},
                          {0, 0, 32, 16}, {12, 8, 16, 14}};
    for (const Placement& p : kPlacements) {
        for (const RECT& clip : clips) {
            SCOPED_TRACE(std::string(p.name) + ", clip " + std::to_string(clip.left) + " " +
                         std::to_string(clip.top) + " " + std::to_string(clip.right) + " " +
                         std::to_string(clip.bottom));
            CMemorySurface dest;
            FillDestination(dest);
            BlitCopy(dest, p, src, &clip);
            ExpectCopied(before, dest, src, p, clip);
        }
    }
}

TEST(RotatedBlits, NothingIsDrawnOutsideTheDestinationOrFromOutsideTheSource) {
    CMemorySurface src, before;
    FillSource(src);
    FillDestination(before);
    CMemorySurface dest;
    FillDestination(dest);
    // Wholly above the clip.
    const RECT below = {0, 25, 32, 32};
    BlitCopy(dest, kPlacements[0], src, &below);
    // Source coordinates reaching past the source's last column.
    BlitRotatedNormal(dest, Px(1, 1), Px(12, 1), Px(12, 12), Px(1, 12), src, Px(0, 0), Px(11, 0),
                      Px(11, 10), Px(0, 10), nullptr);
    // Below the table's 600 rows.
    CMemorySurface tall;
    ASSERT_EQ(tall.Create(4, 700), 0);
    BlitRotatedNormal(tall, Px(0, 640), Px(3, 640), Px(3, 650), Px(0, 650), src, kSourceCorners[0],
                      kSourceCorners[1], kSourceCorners[2], kSourceCorners[3], nullptr);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) ASSERT_EQ(dest.GetPixel(x, y), before.GetPixel(x, y));
    }
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 4; ++x) ASSERT_EQ(tall.GetPixel(x, y), 0u);
    }
}

// The 24 routines against the one-to-one blit of the same mode and variant:
// turned by 90 degrees they must leave what the one-to-one blit leaves with
// the source turned beforehand.
struct Pairing {
    const char* name;
    RotatedBlit rotated;
    RotatedWeightedBlit rotatedWeighted;
    UnweightedBlit oneToOne;
    WeightedBlit oneToOneWeighted;
};

#define MIRL_PAIRINGS(mode)                                                                     \
    {#mode, &BlitRotated##mode, nullptr, &Blit##mode, nullptr},                                  \
    {#mode "Opacity", nullptr, &BlitRotated##mode##Opacity, nullptr, &Blit##mode##Opacity},      \
    {#mode "Alpha", &BlitRotated##mode##Alpha, nullptr, &Blit##mode##Alpha, nullptr},            \
    {#mode "AlphaOpacity", nullptr, &BlitRotated##mode##AlphaOpacity, nullptr,                   \
     &Blit##mode##AlphaOpacity}

const Pairing kPairings[] = {MIRL_PAIRINGS(Normal),   MIRL_PAIRINGS(Add),
                             MIRL_PAIRINGS(Sub),      MIRL_PAIRINGS(Multiply),
                             MIRL_PAIRINGS(Screen),   MIRL_PAIRINGS(Overlay)};

TEST(RotatedBlits, EveryModeAndVariantCombinesLikeItsOneToOneBlit) {
    CMemorySurface src, turned;
    FillSource(src);
    ASSERT_EQ(turned.Create(11, 11), 0);
    for (int j = 0; j < 11; ++j) {
        for (int i = 0; i < 11; ++i) turned.GetPixels()[j * 11 + i] = src.GetPixel(j, 10 - i);
    }
    const Placement& quarter = kPlacements[1];
    const RECT clip = {0, 0, 18, 32};
    for (const SimdSwitches& switches : kEverySwitchSetting) {
        CScopedSimdSwitches scoped(switches);
        for (const Pairing& pairing : kPairings) {
            for (int opacity : {1, 127, 128, 200, 255}) {
                SCOPED_TRACE(std::string(pairing.name) + ", " + switches.name + ", opacity " +
                             std::to_string(opacity));
                CMemorySurface actual, expected;
                FillDestination(actual);
                FillDestination(expected);
                const FixedPoint* p = quarter.corners;
                const FixedPoint* uv = kSourceCorners;
                if (pairing.rotated) {
                    pairing.rotated(actual, p[0], p[1], p[2], p[3], src, uv[0], uv[1], uv[2], uv[3],
                                    &clip);
                    pairing.oneToOne(expected, 10, 10, turned, nullptr, &clip);
                } else {
                    pairing.rotatedWeighted(actual, p[0], p[1], p[2], p[3], src, uv[0], uv[1],
                                            uv[2], uv[3], opacity, &clip);
                    pairing.oneToOneWeighted(expected, 10, 10, turned, nullptr, opacity, &clip);
                }
                for (int y = 0; y < 32; ++y) {
                    for (int x = 0; x < 32; ++x) {
                        ASSERT_EQ(actual.GetPixel(x, y), expected.GetPixel(x, y)) << x << ", " << y;
                    }
                }
            }
        }
    }
}

}  // namespace
