// The blend-mode blits' results for one pixel, written out per channel from
// their definitions for each instruction set, independently of the code
// under test.
#pragma once

#include "graphics/color32.h"

enum class BlendKind { Normal, Add, Sub, Multiply, Screen, Overlay };
enum class Weighting { Opaque, Opacity, Half, Alpha, AlphaOpacity };
// Sse only for the routines that have an SSE path.
enum class BlitPath { Plain, Mmx, Sse };

Color32 ExpectedBlend(BlendKind mode, Weighting weighting, BlitPath path, Color32 s, Color32 d,
                      int opacity);
