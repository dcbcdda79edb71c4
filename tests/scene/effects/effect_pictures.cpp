#include "effect_pictures.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../../graphics/picture_bytes.h"
#include "graphics/png_image.h"

const char* const kLandscapePicture = "Image/\x92\x6E\x96\xCA.bmp";
const char* const kTunnelPicture = "Image/\x89\x5F\x8A\x43.bmp";
const char* const kSpherePicture = "Image/\x90\xAF\x8B\xF3.bmp";

namespace {

constexpr int kWarpSize = 256;

// An 8 x 8 heart picture with alpha: colour from the pattern, alpha growing
// across the picture.
std::vector<uint8_t> HeartPng() {
    PngPicture picture{8, 8, 8, 6, {}, {}, {}};
    for (int y = 0; y < 8; ++y) {
        Bytes row;
        for (int x = 0; x < 8; ++x) {
            const Color32 c = CEffectPictures::ParticlePixel(1, x, y);
            row.push_back(static_cast<uint8_t>(c >> 16));
            row.push_back(static_cast<uint8_t>(c >> 8));
            row.push_back(static_cast<uint8_t>(c));
            row.push_back(static_cast<uint8_t>(c >> 24));
        }
        picture.rows.push_back(row);
    }
    return EncodePng(picture);
}

std::vector<uint8_t> Particle(int picture, int width, int height) {
    return BmpPictureFile(width, height,
                          [picture](int x, int y) { return CEffectPictures::ParticlePixel(picture, x, y); });
}

// The part of a packed name after its folder.
std::string FileName(const char* path) {
    const std::string name = path;
    return name.substr(name.find('/') + 1);
}

}  // namespace

Color32 CEffectPictures::ParticlePixel(int picture, int x, int y) {
    return PatternPixel(x + 1000 * picture, y) | 0x40000000;
}

CEffectPictures::CEffectPictures(bool withParticles, bool withWarps) {
    if (withParticles) {
        folder_.Pack("EI", {{"Snow.bmp", Particle(0, kParticleSize, kParticleSize)},
                            {"Heart.png", HeartPng()},
                            {"Bubble.bmp", Particle(2, 128, 16)},
                            {"Light_Blue.bmp", Particle(3, kParticleSize, kParticleSize)},
                            {"Red.bmp", Particle(4, kParticleSize, kParticleSize)},
                            {"Green.bmp", Particle(5, kParticleSize, kParticleSize)},
                            {"Blue.bmp", Particle(6, kParticleSize, kParticleSize)},
                            {"Yellow.bmp", Particle(7, kParticleSize, kParticleSize)},
                            {"Ex.bmp", Particle(8, kParticleSize, kParticleSize)},
                            {"Ex2.bmp", Particle(9, kParticleSize, kParticleSize)},
                            {"Noise.bmp", Particle(10, 1024, 64)}});
    }
    if (withWarps) {
        folder_.Pack("Image", {{FileName(kLandscapePicture), Particle(11, kWarpSize, kWarpSize)},
                               {FileName(kTunnelPicture), Particle(12, kWarpSize, kWarpSize)},
                               {FileName(kSpherePicture), Particle(13, kWarpSize, kWarpSize)}});
    }
}

void LoadExpectedPicture(CMemorySurface& surface, const std::string& path) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0) {
        ASSERT_EQ(LoadPngImage(surface, path), 0) << path;
        return;
    }
    ASSERT_EQ(surface.Load(path, false), 0) << path;
}
