#include "text/balloon/balloon_shape.h"

#include <map>

namespace {

// The names in code order; "Urchin" is entered a second time with its code.
const char* const kShapeNames[kShapeCount] = {
    "Rectangle",     "Pentagon",       "Octagon",        "Polygon",
    "Ellipse",       "Dumpling",       "Potato",         "Clay",
    "PolyRect",      "Ice",            "Rock",           "StrainRect",
    "Emerald",       "RoundRect",      "AngleRect",      "DropEllipse",
    "DropDumpling",  "DropPotato",     "DropClay",       "ThinkEllipse",
    "ThinkDumpling", "ThinkPotato",    "ThinkClay",      "ThinkCloud",
    "Cloud",         "Star",           "FatStar",        "Pool",
    "Explode",       "Strike",         "Wart",           "Lump",
    "RippleEllipse", "RippleRect",     "FlickerRect",    "FlickerEllipse",
    "WormEllipse",   "WormRect",       "StepEllipse",    "StepRect",
    "NumbEllipse",   "NumbRect",       "NoiseEllipse",   "HNoiseEllipse",
    "VNoiseEllipse", "ExactNoiseEllipse", "HNoiseRect",  "VNoiseRect",
    "ExactNoiseRect", "ShockEllipse",  "HShockEllipse",  "VShockEllipse",
    "ExactShockEllipse", "HShockRect", "VShockRect",     "ExactShockRect",
    "BlockEllipse",  "BlockRect",      "JaggedCircle",   "JaggedRect",
    "TearEllipse",   "TearRect",       "SpineEllipse",   "SpineRect",
    "SawEllipse",    "SawRect",        "FlowerEllipse",  "FlowerRect",
    "HollyEllipse",  "HollyRect",      "PlosiveEllipse", "PlosiveRect",
    "PrickleEllipse", "SplashEllipse", "LackEllipse",    "LackRect",
    "DoubleEllipse", "DoubleRect",     "RimEllipse",     "RimRect",
    "Mist",          "Urchin",         "PopUrchin",      "PeakedUrchin",
    "HuskyUrchin",   "Burst",          "Gas",
};

std::map<std::string, int>& ShapeNameTable() {
    static std::map<std::string, int> table;
    return table;
}

}  // namespace

void FillShapeNameTable() {
    std::map<std::string, int>& table = ShapeNameTable();
    if (!table.empty()) return;
    for (int code = 1; code <= kShapeCount; ++code) table[kShapeNames[code - 1]] = code;
    table["Urchin"] = kShapeUrchin;
}

int FindShapeCode(const std::string& name) {
    FillShapeNameTable();
    const std::map<std::string, int>& table = ShapeNameTable();
    auto found = table.find(name);
    return found == table.end() ? 0 : found->second;
}

int ParseBalloonStyle(const std::string& name) {
    static const char* const kStyles[] = {"None", "Vivide", "Fade", "Shadow"};
    for (int i = 0; i < 4; ++i) {
        if (name == kStyles[i]) return i + 1;
    }
    return 0;
}
