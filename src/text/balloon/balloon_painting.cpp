#include "text/balloon/balloon_painting.h"

#include "graphics/rectangle_fill.h"
#include "platform/error_report.h"
#include "text/balloon/balloon_shape.h"
#include "text/balloon/region_painting.h"
#include "text/balloon/soft_edges.h"
#include "text/balloon/soft_ellipse.h"
#include "text/balloon/stroke_edges.h"

namespace {

// The soft fill and the stroke edge of shapes 81 to 87.
struct StrokedShape {
    double reach;
    int power;
    void (*edge)(CMemorySurface& picture, Color32 edge);  // none for Mist
};

const StrokedShape kStrokedShapes[] = {
    {1.0, 2, nullptr},                 // 81 Mist
    {0.95, 4, PaintUrchinEdge},        // 82 Urchin
    {0.9, 4, PaintPopUrchinEdge},      // 83 PopUrchin
    {0.6, 3, PaintPeakedUrchinEdge},   // 84 PeakedUrchin
    {0.9, 3, PaintHuskyUrchinEdge},    // 85 HuskyUrchin
    {0.6, 4, PaintBurstEdge},          // 86 Burst
    {0.9, 3, PaintGasEdge},            // 87 Gas
};

void PaintRegionShape(CMemorySurface& picture, const BalloonPaintInput& input, bool fillVisible,
                      bool edgeVisible) {
    const Color32 edgeRgb = input.edge & 0x00FFFFFF;
    const int edgeAlpha = static_cast<int>(input.edge >> 24);
    if (fillVisible) {
        if (edgeVisible && input.style == kStyleVivide) {
            FillAndFrameShapeRegion(picture, *input.paint, input.fill, input.edge);
            return;
        }
        FillShapeRegion(picture, *input.paint, input.fill);
    } else if (edgeVisible && input.style == kStyleVivide) {
        FrameShapeRegion(picture, *input.paint, input.edge);
        return;
    } else {
        FillSurfaceFast(picture, 0);
    }
    if (!edgeVisible) return;
    if (input.style == kStyleFade) {
        PaintFadeEdge(picture, *input.hit, edgeRgb, 8, edgeAlpha);
    } else {
        PaintShadowEdge(picture, *input.hit, edgeRgb, 4, edgeAlpha);
    }
}

}  // namespace

void PaintBalloonShape(CMemorySurface& picture, const BalloonPaintInput& input) {
    int width, height;
    picture.GetSize(width, height);
    if (width == 0 || height == 0) return;
    const bool fillVisible = input.fill >= 0x1000000u;
    const bool edgeVisible = input.edge >= 0x1000000u && input.style != kStyleNone;
    if (input.shape >= kShapeMist && input.shape <= kShapeGas) {
        const StrokedShape& shape = kStrokedShapes[input.shape - kShapeMist];
        if (fillVisible) {
            FillSoftEllipse(picture, input.fill, shape.reach, shape.power);
        } else {
            FillSurfaceFast(picture, 0);
        }
        if (edgeVisible && shape.edge) shape.edge(picture, input.edge);
        return;
    }
    if (input.style < kStyleNone || input.style > kStyleShadow) {
        ErrorReport(ErrorKind::Internal, kModuleBalloonPainting, 150);
    }
    PaintRegionShape(picture, input, fillVisible, edgeVisible);
}
