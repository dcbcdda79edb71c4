#include "text/balloon/shape_regions.h"

#include <array>

#include "platform/error_report.h"
#include "text/balloon/shape_generators.h"

namespace {

// The generator rows by code; index 0 and the codes from 81 on are empty.
const std::array<ShapeRow, kShapeRimRect + 1>& GeneratorTable() {
    static const std::array<ShapeRow, kShapeRimRect + 1> table = [] {
        std::array<ShapeRow, kShapeRimRect + 1> rows{};
        for (auto list : {BasicShapeRows(), BlobShapeRows(), TexturedEllipseRows(),
                          TexturedRectRows()}) {
            for (const ShapeRow& row : list) rows[row.code] = row;
        }
        return rows;
    }();
    return table;
}

}  // namespace

BalloonShapeRegions BuildShapeRegion(const BalloonShapeInput& input) {
    BalloonShapeRegions out;
    CShapeBuilder shape(input, out);
    if (shape.w < 0 || shape.h < 0) return out;
    if (input.shape >= 1 && input.shape <= kShapeRimRect) {
        const ShapeRow& row = GeneratorTable()[input.shape];
        out.paint = row.outline(shape);
        shape.SetTextArea(row.textMode);
        shape.AddTail(row.tail);
    } else if (input.shape >= kShapeMist && input.shape <= kShapeGas) {
        // Their look comes from their painting; the region is the plain
        // ellipse and they take no tail.
        out.paint = shape.ShapeEllipse(0);
        shape.SetTextArea(input.shape == kShapeBurst ? 2 : 0);
    } else {
        ErrorReport(ErrorKind::Internal, kModuleBalloon, 811);
    }
    out.hit = MakeScaledRegion(out.paint, 0.5f);
    return out;
}
