// Add blend: the weighted source is added to each colour, saturating at 255.
#include "graphics/blend_blits.h"
#include "graphics/blit_add_sub.h"

namespace {

constexpr BlitVariants kPlain = SaturatingBlend<AddStep>::Plain();
const BlitPaths kPaths = {kPlain, kAddMmx, &kAddSse};

}  // namespace

DEFINE_BLEND_BLITS(Add, kPaths)
