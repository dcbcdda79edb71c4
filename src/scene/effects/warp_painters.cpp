#include "scene/effects/warp_painters.h"

#include "graphics/mesh_warp.h"
#include "scene/effects/effect_rules.h"
#include "scene/rect_math.h"

void CWarpPainter::Load() {
    clock_ = 0;
    picture_.SetUseDibSection(true);
    picture_.Load(PictureName(), false);
}

void CWarpPainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    if (!HasPicture(picture_)) return;
    const int x0 = static_cast<int>(placement.x);
    const int y0 = static_cast<int>(placement.y);
    RECT area = {x0, y0, static_cast<int>(placement.x + width_),
                 static_cast<int>(placement.y + height_)};
    if (clip) area = IntersectRects(area, *clip);
    if (IsEmptyRect(area)) return;
    const WarpCall call = CallFor(static_cast<int>(clock_ / 10));
    call.routine(target, x0, y0, picture_, &area, width_, height_, call.a, call.b, call.c, call.d);
}

// The picture names are Shift-JIS: 地面, 雲海 and 星空.
const char* CLandscapePainter::PictureName() const { return "Image/\x92\x6E\x96\xCA.bmp"; }

CWarpPainter::WarpCall CLandscapePainter::CallFor(int c) const {
    return {&DrawLandscapeWarp, 0, 0, 0, c};
}

const char* CTunnelPainter::PictureName() const { return "Image/\x89\x5F\x8A\x43.bmp"; }

CWarpPainter::WarpCall CTunnelPainter::CallFor(int c) const { return {&DrawTunnelWarp, 0, 0, c, c}; }

const char* CSpherePainter::PictureName() const { return "Image/\x90\xAF\x8B\xF3.bmp"; }

CWarpPainter::WarpCall CSpherePainter::CallFor(int c) const { return {&DrawSphereWarp, 90, c, 0, 0}; }
