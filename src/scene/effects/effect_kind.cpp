#include "scene/effects/effect_kind.h"

namespace {

struct EffectName {
    const char* name;
    int kind;
};

constexpr EffectName kEffectNames[] = {
    {"Snow", kEffectSnow},
    {"SlowSnow", kEffectSlowSnow},
    {"Rain", kEffectRain},
    {"LookUpRain", kEffectLookUpRain},
    {"Bubble", kEffectBubble},
    {"FloatBubble", kEffectFloatBubble},
    {"SwarmBubble", kEffectSwarmBubble},
    {"DNA", kEffectDNA},
    {"Landscape", kEffectLandscape},
    {"Tunnel", kEffectTunnel},
    {"Sphere", kEffectSphere},
    {"TVRaster", kEffectTVRaster},
    {"Posterization", kEffectPosterization},
    {"Negative", kEffectNegative},
    {"Monochrome", kEffectMonochrome},
    {"LightNoise", kEffectLightNoise},
    {"DarkNoise", kEffectDarkNoise},
};

}  // namespace

int ParseEffectKind(const std::string& name) {
    for (const EffectName& entry : kEffectNames) {
        if (name == entry.name) return entry.kind;
    }
    return kEffectNone;
}
