// What an effect node draws with: one painter per effect, made for the
// node's width and height, loaded once, stepped by the frame's milliseconds
// and drawn into the node's area.
#pragma once

#include <windows.h>

#include "graphics/memory_surface.h"
#include "platform/transform2d.h"

class CEffectPainter {
public:
    CEffectPainter(int width, int height) : width_(width), height_(height) {}
    virtual ~CEffectPainter() = default;
    CEffectPainter(const CEffectPainter&) = delete;
    CEffectPainter& operator=(const CEffectPainter&) = delete;

    // Loads the pictures and makes the particles; called once, right after
    // the painter is made.
    virtual void Load() = 0;
    // Frees the particles; nothing for painters without them.
    virtual void Clear() {}
    virtual void Update(int milliseconds) = 0;
    // Draws at the node's composed placement, inside the clip (none when
    // null).
    virtual void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) = 0;
    // True when every update changes the picture, so the node redraws its
    // area every frame; false for the filters.
    virtual bool IsAnimated() const = 0;

protected:
    int width_;
    int height_;
};
