#include "script/move_placement.h"

#include <cstdint>
#include <limits>

#include "platform/error_report.h"
#include "scene/node.h"
#include "scene/node_kind.h"
#include "script/argument_kinds.h"

namespace {

int SaturateToInt(int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int64_t PercentOf(int value, int area) { return SaturateToInt(static_cast<int64_t>(value) * area / 100); }

}  // namespace

double ResolvePlacement(PlacementAxis axis, int mode, int value, double from, int size, int area) {
    const bool horizontal = axis == PlacementAxis::Horizontal;
    const int64_t half = size / 2;
    switch (mode) {
        case kPlacementIntact: return from;
        case kPlacementPixels: return value;
        case kPlacementPercent: return static_cast<double>(PercentOf(value, area));
        case kPlacementRelativePixels: return from + value;
        case kPlacementRelativePercent: return from + static_cast<double>(PercentOf(value, area));
        case kPlacementCentredPixels: return static_cast<double>(value - half);
        case kPlacementCentredPercent: return static_cast<double>(PercentOf(value, area) - half);
        case kPlacementRelativeCentredPixels: return from + static_cast<double>(value - half);
        case kPlacementRelativeCentredPercent: return from + static_cast<double>(PercentOf(value, area) - half);
        case kPlacementKeyword:
            switch (value) {
                case kPlacementOutLeft: return -static_cast<double>(size);
                case kPlacementInLeft: return 0;
                case kPlacementCenter: return static_cast<double>(area / 2 - half);
                case kPlacementInRight: return static_cast<double>(static_cast<int64_t>(area) - size);
                case kPlacementOutRight: return area;
                case kPlacementOnLeft: return -static_cast<double>(half);
                case kPlacementOnRight: return static_cast<double>(area - half);
                default: ErrorReport(ErrorKind::Internal, kModuleMovePlacement, horizontal ? 301 : 329);
            }
        default: ErrorReport(ErrorKind::Internal, kModuleMovePlacement, horizontal ? 308 : 336);
    }
}

void GetPlacementArea(const CNode& node, int* width, int* height) {
    CNode* parent = node.GetParent();
    if (!parent || !parent->GetParent() || parent->GetNodeKind() == kNodeKindScriptPage) {
        *width = 800;
        *height = 600;
        return;
    }
    parent->GetSize(width, height);
}
