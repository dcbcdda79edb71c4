// The effect painters' pictures, made by the tests and packed where the
// painters look for them: small particle pictures in EI.dat, the noise
// frames, and the three warp pictures in Image.dat.
#pragma once

#include <string>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "../test_pictures.h"

// Shift-JIS names of the warp pictures.
extern const char* const kLandscapePicture;
extern const char* const kTunnelPicture;
extern const char* const kSpherePicture;

class CEffectPictures {
public:
    static constexpr int kParticleSize = 8;

    // Packs every picture; a folder left out makes its pictures missing.
    explicit CEffectPictures(bool withParticles = true, bool withWarps = true);

    // The colour of a picture's pixel as the tests build it (BMPs without
    // alpha, the heart with alpha).
    static Color32 ParticlePixel(int picture, int x, int y);

private:
    CPictureFolder folder_;
};

// Loads a packed picture the way the painters do, for drawing expectations.
void LoadExpectedPicture(CMemorySurface& surface, const std::string& path);
