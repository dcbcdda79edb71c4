#include "graphics/blend_blits.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "blend_model.h"
#include "blit_routines.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"
#include "surface_contents.h"

namespace {

// The MMX and SSE switches as a test sets them, restored afterwards.
struct PathSetting {
    const char* name;
    bool useMmx;
    bool useSse;
};

const PathSetting kPathSettings[] = {
    {"both switches off", false, false},
    {"MMX on, SSE off", true, false},
    {"MMX and SSE on", true, true},
    {"MMX off, SSE on", false, true},
};

class SwitchesSetTo {
public:
    explicit SwitchesSetTo(const PathSetting& setting)
        : mmx_(GetUseMMXFlag()), sse_(GetUseSSEFlag()) {
        SetUseMMXFlag(setting.useMmx);
        SetUseSSEFlag(setting.useSse);
    }
    ~SwitchesSetTo() {
        SetUseMMXFlag(mmx_);
        SetUseSSEFlag(sse_);
    }

private:
    bool mmx_;
    bool sse_;
};

const PathSetting kPlainOnly = kPathSettings[0];

// SSE where the routine has it and the processor and switch allow, else MMX
// where allowed, else plain.
BlitPath PathTaken(const PathSetting& setting, const BlitRoutine& routine) {
    if (routine.hasSse && setting.useSse && HasSSE()) return BlitPath::Sse;
    if (setting.useMmx && HasMMX()) return BlitPath::Mmx;
    return BlitPath::Plain;
}

std::unique_ptr<CMemorySurface> SurfaceOf(int width, int height,
                                          const std::vector<Color32>& pixels) {
    auto surface = std::make_unique<CMemorySurface>();
    EXPECT_EQ(surface->Create(width, height), 0);
    std::copy(pixels.begin(), pixels.end(), surface->GetPixels());
    return surface;
}

std::string Hex(Color32 value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

// Blits `source` over `dest` (both width x height) at (0, 0) and checks every
// pixel against the model; at most a few mismatches are reported.
void ExpectBlend(const BlitRoutine& routine, const PathSetting& setting, int width, int height,
                 const std::vector<Color32>& source, const std::vector<Color32>& dest,
                 int opacity) {
    auto src = SurfaceOf(width, height, source);
    auto dst = SurfaceOf(width, height, dest);
    BlitCall call;
    call.opacity = opacity;
    {
        SwitchesSetTo switches(setting);
        routine.run(*dst, *src, call);
    }
    const BlitPath path = PathTaken(setting, routine);
    int reported = 0;
    for (int i = 0; i < width * height && reported < 5; ++i) {
        const Color32 expected =
            ExpectedBlend(routine.mode, routine.weighting, path, source[i], dest[i], opacity);
        const Color32 actual = dst->GetPixels()[i];
        if (actual != expected) {
            ++reported;
            ADD_FAILURE() << routine.name << ", " << setting.name << ": source " << Hex(source[i])
                          << " over " << Hex(dest[i]) << " at opacity " << opacity << " gives "
                          << Hex(actual) << ", expected " << Hex(expected) << " (pixel "
                          << i % width << ", " << i / width << " of " << width << " x " << height
                          << ")";
        }
    }
}

bool IsWeightedByOpacity(const BlitRoutine& routine) {
    return routine.weighting == Weighting::Opacity || routine.weighting == Weighting::AlphaOpacity;
}

// The fixed values the swept operand is paired with: the ends, the middle
// and the neighbours of the powers of two.
const int kFew[] = {0, 1, 2, 63, 64, 127, 128, 129, 191, 192, 253, 254, 255};

// Channel value v spread over B, G and R so that each takes every value when
// v does (G reversed, R shuffled).
Color32 PixelOf(int v, int alpha) {
    return static_cast<Color32>(v | (255 - v) << 8 | ((v * 7 + 3) & 255) << 16 | alpha << 24);
}

struct SweepCase {
    Color32 source;
    Color32 dest;
};

// Runs the cases (padded to whole rows of 256) through the plain path.
void ExpectPlainSweep(const BlitRoutine& routine, std::vector<SweepCase> cases, int opacity) {
    while (cases.size() % 256) cases.push_back(cases[cases.size() % 256]);
    std::vector<Color32> source;
    std::vector<Color32> dest;
    for (const SweepCase& c : cases) {
        source.push_back(c.source);
        dest.push_back(c.dest);
    }
    ExpectBlend(routine, kPlainOnly, 256, static_cast<int>(cases.size() / 256), source, dest,
                opacity);
}

TEST(BlendBlits, PlainPathSweepsEverySourceDestinationAlphaAndOpacityValue) {
    for (const BlitRoutine& routine : kBlitRoutines) {
        // The destination's alpha byte follows its colour so that it varies too.
        auto sourcePixel = [](int s, int a) { return PixelOf(s, a); };
        auto destPixel = [](int d) { return PixelOf(d, (d + 77) & 255); };
        std::vector<SweepCase> sweeps;
        for (int x : kFew) {
            for (int y : kFew) {
                for (int v = 0; v < 256; ++v) {
                    sweeps.push_back({sourcePixel(v, x), destPixel(y)});  // every source value
                    sweeps.push_back({sourcePixel(x, y), destPixel(v)});  // every destination value
                    sweeps.push_back({sourcePixel(x, v), destPixel(y)});  // every alpha value
                }
            }
        }
        if (!IsWeightedByOpacity(routine)) {
            ExpectPlainSweep(routine, sweeps, 0);
            continue;
        }
        for (int opacity : kFew) ExpectPlainSweep(routine, sweeps, opacity);
        std::vector<SweepCase> fixed;
        for (int s : kFew) {
            for (int d : kFew) {
                for (int a : kFew) fixed.push_back({sourcePixel(s, a), destPixel(d)});
            }
        }
        for (int opacity = 0; opacity < 256; ++opacity) ExpectPlainSweep(routine, fixed, opacity);
    }
}

// Random pixels, often at the values where the formulas turn.
class PixelSource {
public:
    explicit PixelSource(unsigned seed) : random_(seed) {}
    int Value() {
        static const int special[] = {0, 1, 127, 128, 129, 254, 255};
        return random_() % 3 == 0 ? special[random_() % 7] : static_cast<int>(random_() % 256);
    }
    Color32 Pixel() {
        return static_cast<Color32>(Value() | Value() << 8 | Value() << 16 | Value() << 24);
    }
    std::vector<Color32> Pixels(int count) {
        std::vector<Color32> pixels(count);
        for (Color32& p : pixels) p = Pixel();
        return pixels;
    }

private:
    std::mt19937 random_;
};

TEST(BlendBlits, EveryPathGivesThePlainResultExceptWhereDocumented) {
    ASSERT_TRUE(HasMMX());
    ASSERT_TRUE(HasSSE());
    PixelSource random(7);
    const int widths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 31, 32, 33, 64};
    for (const BlitRoutine& routine : kBlitRoutines) {
        for (const PathSetting& setting : kPathSettings) {
            for (int width : widths) {
                const int opacity = IsWeightedByOpacity(routine) ? random.Value() : 0;
                ExpectBlend(routine, setting, width, 3, random.Pixels(width * 3),
                            random.Pixels(width * 3), opacity);
            }
        }
    }
}

// Parts of a picture drawn at every column parity: the rows of a part start
// and end between two 8-byte boundaries or on one, in the source and in the
// destination (whose rows are one pixel wider or narrower than the part's
// surfaces), at widths the paths store through the cache and widths they
// stream.
TEST(BlendBlits, EveryPathGivesThePlainResultAtEveryColumnParity) {
    PixelSource random(11);
    constexpr int kHeight = 3;
    for (const BlitRoutine& routine : kBlitRoutines) {
        for (const PathSetting& setting : kPathSettings) {
            for (int width : {5, 6, 33, 34, 35, 36}) {
                for (int destX = 0; destX < 4; ++destX) {
                    const int sourceX = destX / 2;
                    const int destWidth = width + destX + (destX % 2 ? 1 : 0);
                    const std::vector<Color32> source = random.Pixels((width + 2) * kHeight);
                    const std::vector<Color32> dest = random.Pixels(destWidth * kHeight);
                    auto src = SurfaceOf(width + 2, kHeight, source);
                    auto dst = SurfaceOf(destWidth, kHeight, dest);
                    const RECT part = {sourceX, 0, sourceX + width, kHeight};
                    BlitCall call;
                    call.x = destX;
                    call.sourceRect = &part;
                    call.opacity = IsWeightedByOpacity(routine) ? random.Value() : 0;
                    {
                        SwitchesSetTo switches(setting);
                        routine.run(*dst, *src, call);
                    }
                    const BlitPath path = PathTaken(setting, routine);
                    int mismatches = 0;
                    for (int y = 0; y < kHeight; ++y) {
                        for (int x = 0; x < destWidth; ++x) {
                            const Color32 under = dest[y * destWidth + x];
                            const bool inside = x >= destX && x < destX + width;
                            const Color32 expected =
                                inside ? ExpectedBlend(routine.mode, routine.weighting, path,
                                                       source[y * (width + 2) + sourceX + x - destX],
                                                       under, call.opacity)
                                       : under;
                            mismatches += dst->GetPixels()[y * destWidth + x] != expected;
                        }
                    }
                    EXPECT_EQ(mismatches, 0) << routine.name << ", " << setting.name << ": "
                                             << width << " wide at column " << destX
                                             << " of a row of " << destWidth;
                }
            }
        }
    }
}

// The edge cases of single pixels, each on the paths it names.
enum PathMask { kPlain = 1, kMmx = 2, kSse = 4, kSseOnly = 8, kEveryPath = 15 };

struct PixelCase {
    const char* what;
    const char* routine;
    int paths;  // PathMask bits: the switch settings of kPathSettings, in order
    Color32 source;
    Color32 dest;
    int opacity;
    Color32 expected;
    Color32 compared;  // the bytes the case is about
};

const PixelCase kPixelCases[] = {
    {"alpha 0 leaves the pixel unchanged", "BlitNormalAlpha", kEveryPath, 0x00FFFFFF, 0x5A123456, 0,
     0x5A123456, 0xFFFFFFFF},
    {"alpha 0 leaves the pixel unchanged", "BlitScaledNormalAlpha", kEveryPath, 0x00FFFFFF,
     0x5A123456, 0, 0x5A123456, 0xFFFFFFFF},
    {"alpha 255 copies the pixel, alpha included", "BlitNormalAlpha", kEveryPath, 0xFF102030,
     0x5A123456, 0, 0xFF102030, 0xFFFFFFFF},
    {"alpha 255 copies the pixel, alpha included", "BlitScaledNormalAlpha", kEveryPath, 0xFF102030,
     0x5A123456, 0, 0xFF102030, 0xFFFFFFFF},
    {"a weight of 255 is not a copy", "BlitNormalOpacity", kEveryPath, 0x00FFFFFF, 0x00000000, 255,
     0x00FEFEFE, 0xFFFFFFFF},
    {"half of 1 over 2", "BlitNormalHalf", kPlain | kMmx, 0x00010101, 0x00020202, 0, 0x00010101,
     0xFFFFFFFF},
    {"half of 1 over 2 rounds up", "BlitNormalHalf", kSse | kSseOnly, 0x00010101, 0x00020202, 0,
     0x00020202, 0xFFFFFFFF},
    {"half of 1 over 1", "BlitNormalHalf", kPlain | kSse | kSseOnly, 0x00010101, 0x00010101, 0,
     0x00010101, 0xFFFFFFFF},
    {"half of 1 over 1 halves each first", "BlitNormalHalf", kMmx, 0x00010101, 0x00010101, 0,
     0x00000000, 0xFFFFFFFF},
    {"white added gives white", "BlitAdd", kEveryPath, 0xFFFFFFFF, 0x40123456, 0, 0x00FFFFFF,
     0x00FFFFFF},
    {"white subtracted gives black", "BlitSub", kEveryPath, 0xFFFFFFFF, 0x40123456, 0, 0x00000000,
     0x00FFFFFF},
    {"half of 1 added", "BlitAddHalf", kPlain | kMmx, 0x01010101, 0x10101010, 0, 0x10101010,
     0xFFFFFFFF},
    {"half of 1 added rounds up, alpha too", "BlitAddHalf", kSse | kSseOnly, 0x01010101, 0x10101010,
     0, 0x11111111, 0xFFFFFFFF},
    {"half of 1 subtracted rounds up, alpha too", "BlitSubHalf", kSse, 0x01010101, 0x10101010, 0,
     0x0F0F0F0F, 0xFFFFFFFF},
    {"alpha 255 adds the source unweighted", "BlitAddAlpha", kPlain, 0xFF808080, 0x00000000, 0,
     0x00808080, 0xFFFFFFFF},
    {"alpha 255 weights the source and alpha", "BlitAddAlpha", kMmx | kSse, 0xFF808080, 0x00000000,
     0, 0xFE7F7F7F, 0xFFFFFFFF},
    {"a white source leaves (d x 255) >> 8", "BlitMultiply", kEveryPath, 0xFFFFFFFF, 0x80804020, 0,
     0x007F3F1F, 0x00FFFFFF},
    {"weight 0 is not an identity", "BlitMultiplyOpacity", kEveryPath, 0x00000000, 0x00808080, 0,
     0x007F7F7F, 0xFFFFFFFF},
    {"opacity 0 leaves the colours", "BlitScreenOpacity", kPlain, 0xFFFFFFFF, 0x12345678, 0,
     0x00345678, 0xFFFFFFFF},
    {"opacity 0 screens against 255", "BlitScreenOpacity", kMmx | kSse, 0xFFFFFFFF, 0x12345678, 0,
     0x00355779, 0xFFFFFFFF},
    {"a destination of 128 multiplies: (s x 128) >> 7 = s", "BlitOverlay", kPlain, 0x00C83C01,
     0x00808080, 0, 0x00C83C01, 0xFFFFFFFF},
    {"a destination of 128 screens", "BlitOverlay", kMmx | kSse, 0x00C83C01, 0x00808080, 0,
     0x00C93E03, 0xFFFFFFFF},
    {"opacity 0 leaves the colours", "BlitOverlayOpacity", kPlain, 0x00FF00FF, 0x00C88001, 0,
     0x00C88001, 0xFFFFFFFF},
    {"the SSE switch alone leaves the others plain", "BlitNormalOpacity", kSseOnly, 0x00FFFFFF,
     0x7F000000, 128, 0x007F7F7F, 0xFFFFFFFF},
};

TEST(BlendBlits, PixelEdgeCases) {
    for (const PixelCase& c : kPixelCases) {
        const BlitRoutine& routine = FindBlitRoutine(c.routine);
        for (int i = 0; i < 4; ++i) {
            if (!(c.paths & 1 << i)) continue;
            SCOPED_TRACE(std::string(c.routine) + ": " + c.what + ", " + kPathSettings[i].name);
            auto src = SurfaceOf(1, 1, {c.source});
            auto dst = SurfaceOf(1, 1, {c.dest});
            BlitCall call;
            call.opacity = c.opacity;
            {
                SwitchesSetTo switches(kPathSettings[i]);
                routine.run(*dst, *src, call);
            }
            EXPECT_EQ(Hex(dst->GetPixels()[0] & c.compared), Hex(c.expected & c.compared));
        }
    }
}

// Where a clipped blit draws: destination 37 x 29 with a clip leaving a
// border of at least 3 pixels, source 20 x 15.
struct Placement {
    const char* what;
    int x, y;
    bool hasSourceRect;
    RECT sourceRect;
    bool hasClip;
};

const RECT kClip = {3, 2, 33, 26};

const Placement kPlacements[] = {
    {"inside the clip", 8, 6, false, {}, true},
    {"over the clip's top-left corner", -6, -5, false, {}, true},
    {"over the clip's bottom-right corner", 25, 20, false, {}, true},
    {"a source rectangle", -2, 9, true, {2, 1, 17, 13}, true},
    {"a source rectangle reaching outside the source", 10, 3, true, {-3, -2, 25, 20}, true},
    {"entirely outside the destination", 40, 0, false, {}, true},
    {"entirely above the destination", 5, -15, false, {}, true},
    {"entirely outside the clip", 0, 27, false, {}, true},
    {"over the destination's corner without a clip", 25, -4, false, {}, false},
    {"over the destination's left edge without a clip", -7, 20, false, {}, false},
};

TEST(BlendBlits, BlitsChangeOnlyPixelsInsideTheClippedRectangle) {
    PixelSource random(11);
    const std::vector<Color32> source = random.Pixels(20 * 15);
    const std::vector<Color32> dest = random.Pixels(37 * 29);
    auto src = SurfaceOf(20, 15, source);
    for (const BlitRoutine& routine : kBlitRoutines) {
        for (const PathSetting& setting : kPathSettings) {
            for (const Placement& p : kPlacements) {
                SCOPED_TRACE(std::string(routine.name) + ", " + setting.name + ": " + p.what);
                auto dst = SurfaceOf(37, 29, dest);
                BlitCall call;
                call.x = p.x;
                call.y = p.y;
                call.sourceRect = p.hasSourceRect ? &p.sourceRect : nullptr;
                call.clip = p.hasClip ? &kClip : nullptr;
                call.opacity = 150;
                {
                    SwitchesSetTo switches(setting);
                    routine.run(*dst, *src, call);
                }
                // The source pixel over each destination pixel, if any.
                const RECT bounds = p.hasClip ? kClip : RECT{0, 0, 37, 29};
                const RECT r = p.hasSourceRect ? p.sourceRect : RECT{0, 0, 20, 15};
                const BlitPath path = PathTaken(setting, routine);
                int wrong = 0;
                for (int y = 0; y < 29; ++y) {
                    for (int x = 0; x < 37; ++x) {
                        const int sx = x - p.x + r.left;
                        const int sy = y - p.y + r.top;
                        const bool drawn =
                            x >= bounds.left && x < bounds.right && y >= bounds.top &&
                            y < bounds.bottom && sx >= std::max<int>(r.left, 0) &&
                            sx < std::min<int>(r.right, 20) && sy >= std::max<int>(r.top, 0) &&
                            sy < std::min<int>(r.bottom, 15);
                        const Color32 old = dest[y * 37 + x];
                        const Color32 expected =
                            drawn ? ExpectedBlend(routine.mode, routine.weighting, path,
                                                  source[sy * 20 + sx], old, 150)
                                  : old;
                        if (dst->GetPixel(x, y) != expected && wrong++ < 3) {
                            ADD_FAILURE()
                                << "pixel " << x << ", " << y << (drawn ? " drawn" : " outside")
                                << ": " << Hex(dst->GetPixel(x, y)) << ", expected "
                                << Hex(expected);
                        }
                    }
                }
            }
        }
    }
}

TEST(BlendBlits, ScalingToTwiceTheSizeRepeatsEachPixelInTwoColumnsAndRows) {
    const std::vector<Color32> source = {0xFF000001, 0xFF000002, 0xFF000003,
                                         0xFF000004, 0xFF000005, 0xFF000006};
    auto src = SurfaceOf(3, 2, source);
    const double destRect[4] = {1, 1, 7, 5};
    const RECT clip = {2, 2, 10, 4};
    for (const PathSetting& setting : kPathSettings) {
        for (const RECT* c : {static_cast<const RECT*>(nullptr), &clip}) {
            SCOPED_TRACE(std::string(setting.name) + (c ? ", clipped" : ""));
            auto dst = SurfaceOf(10, 8, std::vector<Color32>(80, 0x11111111));
            {
                SwitchesSetTo switches(setting);
                BlitScaledNormal(*dst, *src, nullptr, destRect, c);
            }
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 10; ++x) {
                    bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
                    if (c)
                        inside =
                            inside && x >= c->left && x < c->right && y >= c->top && y < c->bottom;
                    const Color32 expected =
                        inside ? source[(y - 1) / 2 * 3 + (x - 1) / 2] : 0x11111111;
                    EXPECT_EQ(Hex(dst->GetPixel(x, y)), Hex(expected)) << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
