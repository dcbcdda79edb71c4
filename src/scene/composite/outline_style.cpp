#include "scene/composite/outline_style.h"

namespace {

struct StyleName {
    const char* name;
    OutlineStyle style;
};

constexpr StyleName kStyleNames[] = {
    {"Vivide", kOutlineVivide}, {"Fade", kOutlineFade},   {"None", kOutlineNone},
    {"Shadow", kOutlineShadow}, {"Round", kOutlineRound}, {"Noise", kOutlineNoise},
    {"Emboss", kOutlineEmboss}, {"InnerShadow", kOutlineInnerShadow},
};

}  // namespace

OutlineStyle ParseOutlineStyle(const std::string& name) {
    for (const StyleName& entry : kStyleNames) {
        if (name == entry.name) return entry.style;
    }
    return kOutlineUnknown;
}
