#include "graphics/fill_codes.h"

#include "graphics/rectangle_fill.h"

namespace {

struct CodedFill {
    int code;
    FillRoutine routine;
};

const CodedFill kFills[] = {
    {1100, &FillNormal},   {1101, &FillNormalAlpha},   {1200, &FillAdd},
    {1201, &FillAddAlpha}, {1300, &FillSub},           {1301, &FillSubAlpha},
    {1400, &FillMultiply}, {1401, &FillMultiplyAlpha}, {1500, &FillScreen},
    {1501, &FillScreenAlpha}, {1600, &FillOverlay},    {1601, &FillOverlayAlpha},
};

}  // namespace

FillRoutine FindFillRoutine(int fillCode) {
    for (const CodedFill& fill : kFills) {
        if (fill.code == fillCode) return fill.routine;
    }
    return nullptr;
}
