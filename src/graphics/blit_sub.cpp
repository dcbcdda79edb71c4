// Sub blend: the weighted source is taken from each colour, stopping at 0.
#include "graphics/blend_blits.h"
#include "graphics/blit_add_sub.h"

namespace {

constexpr BlitVariants kPlain = SaturatingBlend<SubtractStep>::Plain();
const BlitPaths kPaths = {kPlain, kSubMmx, &kSubSse};

}  // namespace

DEFINE_BLEND_BLITS(Sub, kPaths)
