#include "transition_harness.h"

#include <sstream>

std::unique_ptr<CMemorySurface> MakeSurface(int width, int height, Color32 colour) {
    auto surface = std::make_unique<CMemorySurface>();
    if (surface->Create(width, height) != 0) throw std::runtime_error("no surface");
    Color32* pixels = surface->GetPixels();
    std::fill(pixels, pixels + static_cast<size_t>(width) * height, colour);
    return surface;
}

std::unique_ptr<CMemorySurface> MakeCodedPicture(int width, int height) {
    auto picture = MakeSurface(width, height, 0);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            picture->GetPixels()[j * width + i] = 0xFF000000u | static_cast<Color32>(j) << 12 | i;
    return picture;
}

std::unique_ptr<CMemorySurface> MakeDestination(int width, int height, Color32 colour) {
    return MakeSurface(kPictureX + width + kMarginRight, kPictureY + height + kMarginBottom,
                       colour);
}

namespace {

std::vector<Color32> ExpectedImage(const CCoverage& coverage, Color32 (*pixel)(int, int, Color32),
                                   Color32 colour) {
    const int destWidth = kPictureX + coverage.Width() + kMarginRight;
    const int destHeight = kPictureY + coverage.Height() + kMarginBottom;
    std::vector<Color32> image(static_cast<size_t>(destWidth) * destHeight, kSentinel);
    for (int j = 0; j < coverage.Height(); ++j)
        for (int i = 0; i < coverage.Width(); ++i)
            if (coverage.Covers(i, j))
                image[(kPictureY + j) * destWidth + kPictureX + i] = pixel(i, j, colour);
    return image;
}

}  // namespace

std::vector<Color32> ExpectedCodedImage(const CCoverage& coverage) {
    return ExpectedImage(
        coverage,
        [](int i, int j, Color32) { return 0xFF000000u | static_cast<Color32>(j) << 12 | i; }, 0);
}

std::vector<Color32> ExpectedColouredImage(const CCoverage& coverage, Color32 colour) {
    return ExpectedImage(
        coverage, [](int, int, Color32 c) { return c; }, colour);
}

void RunAtPicturePlace(TransitionRoutine routine, CMemorySurface& destination,
                       const CMemorySurface* picture, const TransitionSize* size, const RECT* clip,
                       int level, int code, uint32_t extra) {
    routine(&destination, picture, kPictureX, kPictureY, size, clip, level, code, extra);
}

CCoverage CountDraws(TransitionRoutine routine, int width, int height, int level, bool fill) {
    auto destination = MakeDestination(width, height, 0);
    if (fill) {
        const TransitionSize size = {width, height};
        RunAtPicturePlace(routine, *destination, nullptr, &size, nullptr, level, 1200, 0x00020202);
    } else {
        auto picture = MakeSurface(width, height, 0x00010101);
        RunAtPicturePlace(routine, *destination, picture.get(), nullptr, nullptr, level, 200, 0);
    }
    CCoverage counts(width, height);
    int strays = 0;
    int destWidth = 0;
    int destHeight = 0;
    destination->GetSize(destWidth, destHeight);
    for (int y = 0; y < destHeight; ++y) {
        for (int x = 0; x < destWidth; ++x) {
            const Color32 value = destination->GetPixel(x, y);
            const int i = x - kPictureX;
            const int j = y - kPictureY;
            if (i >= 0 && i < width && j >= 0 && j < height) {
                counts.Set(i, j, static_cast<int>(value & 0xFF));
            } else if (value != 0) {
                ++strays;
            }
        }
    }
    EXPECT_EQ(strays, 0) << "pixels drawn outside the picture's place";
    return counts;
}

testing::AssertionResult SameImage(const CMemorySurface& actual,
                                   const std::vector<Color32>& expected) {
    int width = 0;
    int height = 0;
    actual.GetSize(width, height);
    if (static_cast<size_t>(width) * height != expected.size()) {
        return testing::AssertionFailure() << "the surfaces differ in size";
    }
    const Color32* pixels = actual.GetPixels();
    int differing = 0;
    std::ostringstream first;
    for (size_t n = 0; n < expected.size(); ++n) {
        if (pixels[n] == expected[n]) continue;
        if (differing++ < 5) {
            first << " (" << n % width << ", " << n / width << ") is " << std::hex << pixels[n]
                  << " not " << expected[n] << std::dec << ";";
        }
    }
    if (differing == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ:" << first.str();
}

testing::AssertionResult SameCoverage(const CCoverage& actual, const CCoverage& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return testing::AssertionFailure() << "the coverages differ in size";
    }
    int differing = 0;
    std::ostringstream first;
    for (int j = 0; j < actual.Height(); ++j) {
        for (int i = 0; i < actual.Width(); ++i) {
            if (actual.At(i, j) == expected.At(i, j)) continue;
            if (differing++ < 5) {
                first << " (" << i << ", " << j << ") is " << actual.At(i, j) << " not "
                      << expected.At(i, j) << ";";
            }
        }
    }
    if (differing == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ:" << first.str();
}
