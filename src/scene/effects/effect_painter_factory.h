// The painter of each effect kind.
#pragma once

#include <memory>

#include "scene/effects/effect_painter.h"

// A new painter for the kind and the area's size, not yet loaded; null for
// a kind without one.
std::unique_ptr<CEffectPainter> MakeEffectPainter(int kind, int width, int height);
