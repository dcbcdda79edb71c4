// The rules the particle painters share: the depth draw, the fixed tick,
// divisors that can never be 0, positions in 1/256 pixel and the drawing of
// a picture at a particle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/draw_image.h"
#include "graphics/memory_surface.h"
#include "platform/transform2d.h"

// Position and velocity in 1/256 pixel, and the depth that sets size and
// speed.
struct EffectParticle {
    int32_t x;
    int32_t y;
    int32_t depth;
    int32_t vx;
    int32_t vy;
};

// trunc(12 - ln r) for r = rand(): 1 to 12, small depths far more often. The
// logarithm of r = 0 has no value; that draw gives depth 1, the commonest.
int DrawDepth();

// A size from the script may be 0 or negative; as a divisor it counts as 1.
inline int Divisor(int value) { return value < 1 ? 1 : value; }

// rand() mod n, n taken as a divisor.
int RandomBelow(int n);

// Milliseconds gathered until they make whole ticks.
class CTickAccumulator {
public:
    // Adds the milliseconds and returns how many ticks of the length they
    // complete; the rest waits for the next call.
    int Add(int milliseconds, int tick);
    void Reset() { milliseconds_ = 0; }

private:
    int milliseconds_ = 0;
};

// The placement of a picture drawn at a particle: its position in whole
// pixels (arithmetic shift), the zoom on both axes, unrotated.
CTransform2D ParticlePlacement(int32_t x, int32_t y, double zoom, double opacity);

// Draws the picture (the source rectangle of it, all of it when null) at the
// placement composed as the child of the node's placement, weighted by its
// alpha when it has one. A picture that did not load draws nothing.
void DrawEffectPicture(CMemorySurface& target, const CMemorySurface& picture,
                       const CTransform2D& node, const CTransform2D& own, DrawImageFunction draw,
                       const RECT* source, const RECT* clip);

// The node's area (0, 0, width, height) mapped by the placement and cut by
// the clip (none when null).
RECT MappedEffectArea(const CTransform2D& placement, int width, int height, const RECT* clip);

// Whether the picture holds pixels: one that failed to load draws nothing.
inline bool HasPicture(const CMemorySurface& picture) { return picture.GetBounds()->right > 0; }

// Loads a picture from the archives into a heap surface; a picture that is
// missing leaves the surface empty.
void LoadEffectPicture(CMemorySurface& surface, const std::string& path);
