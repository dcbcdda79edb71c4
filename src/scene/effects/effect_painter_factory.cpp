#include "scene/effects/effect_painter_factory.h"

#include "scene/effects/bubble_painter.h"
#include "scene/effects/dna_painter.h"
#include "scene/effects/effect_kind.h"
#include "scene/effects/filter_painters.h"
#include "scene/effects/flake_painters.h"
#include "scene/effects/float_bubble_painter.h"
#include "scene/effects/heart_painter.h"
#include "scene/effects/noise_painter.h"
#include "scene/effects/rain_painters.h"
#include "scene/effects/swarm_bubble_painter.h"
#include "scene/effects/warp_painters.h"

std::unique_ptr<CEffectPainter> MakeEffectPainter(int kind, int width, int height) {
    switch (kind) {
        case kEffectSnow: return std::make_unique<CSnowPainter>(width, height);
        case kEffectSlowSnow: return std::make_unique<CSlowSnowPainter>(width, height);
        case kEffectRain: return std::make_unique<CRainPainter>(width, height);
        case kEffectLookUpRain: return std::make_unique<CLookUpRainPainter>(width, height);
        case kEffectHeart: return std::make_unique<CHeartPainter>(width, height);
        case kEffectBubble: return std::make_unique<CBubblePainter>(width, height);
        case kEffectFloatBubble: return std::make_unique<CFloatBubblePainter>(width, height);
        case kEffectSwarmBubble: return std::make_unique<CSwarmBubblePainter>(width, height);
        case kEffectDNA: return std::make_unique<CDnaPainter>(width, height);
        case kEffectLandscape: return std::make_unique<CLandscapePainter>(width, height);
        case kEffectTunnel: return std::make_unique<CTunnelPainter>(width, height);
        case kEffectSphere: return std::make_unique<CSpherePainter>(width, height);
        case kEffectTVRaster: return std::make_unique<CTVRasterPainter>(width, height);
        case kEffectPosterization: return std::make_unique<CPosterizationPainter>(width, height);
        case kEffectNegative: return std::make_unique<CNegativePainter>(width, height);
        case kEffectMonochrome: return std::make_unique<CMonochromePainter>(width, height);
        case kEffectLightNoise: return std::make_unique<CNoisePainter>(width, height, true);
        case kEffectDarkNoise: return std::make_unique<CNoisePainter>(width, height, false);
        default: return nullptr;
    }
}
