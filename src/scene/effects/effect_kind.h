// The effects an effect node can run, by the codes and script names the
// "CreateEffect" statement uses.
#pragma once

#include <string>

enum EffectKind : int {
    kEffectNone = 0,
    kEffectSnow = 1,
    kEffectSlowSnow = 2,
    kEffectRain = 3,
    kEffectLookUpRain = 4,
    kEffectHeart = 5,  // made by code only: no script name reaches it
    kEffectBubble = 6,
    kEffectFloatBubble = 7,
    kEffectSwarmBubble = 8,
    kEffectDNA = 9,
    kEffectLandscape = 10,
    kEffectTunnel = 11,
    kEffectSphere = 12,
    kEffectTVRaster = 13,
    kEffectPosterization = 14,
    kEffectNegative = 15,
    kEffectMonochrome = 16,
    kEffectLightNoise = 17,
    kEffectDarkNoise = 18,
};

// The kind of a script name, compared byte for byte; kEffectNone for any
// other name (the node then fails when it is reset).
int ParseEffectKind(const std::string& name);
