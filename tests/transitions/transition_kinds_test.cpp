#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "transitions/transition_kinds.h"

namespace {

const char* const kKindNames[] = {
    "LinearDown",    "LinearUp",      "LinearLeft",      "LinearRight",     "RectCenter",
    "RectTopLeft",   "RectTopRight",  "RectBottomLeft",  "RectBottomRight", "BoxCenter",
    "BoxTopLeft",    "BoxTopRight",   "BoxBottomLeft",   "BoxBottomRight",  "CircleTop",
    "CircleBottom",  "CircleLeft",    "CircleRight",     "CircleCenter",    "HoleTop",
    "HoleBottom",    "HoleLeft",      "HoleRight",       "HoleCenter",      "BlindRight",
    "BlindLeft",     "BlindUp",       "BlindDown",       "BlindSlant",      "CurtainLeft",
    "CurtainRight",  "CurtainUp",     "CurtainDown",     "TerecoH",         "TerecoV",
    "TerecoHDouble", "TerecoVDouble", "FanCenter",       "FanTop",          "FanBottom",
    "FanLeft",       "FanRight",      "FanCenterDouble", "ShaveAll",        "ShaveDown",
    "ShaveUp",       "ShaveLeft",     "ShaveRight",      "ShaveCircle",     "ShaveHole",
    "DitherHatch",   "DitherRandom",  "TileLeftTop",     "TurnH",           "TurnV",
    "ShakeHLine",    "ShakeVLine",    "ShakeRect",       "ScratchDown",     "ScratchUp",
    "ScratchLeft",   "ScratchRight",  "FatH",            "FatV",            "SlimH",
    "SlimV",         "Wave",          "WaveSmall",       "WaveBump",        "TensileLeft",
    "TensileRight",  "TensileDown",   "TensileUp",       "Mosaic",
};

TEST(TransitionKinds, TableHoldsEveryKindInLookupOrderEachWithItsOwnRoutine) {
    ASSERT_EQ(TransitionKindsEnd() - TransitionKindsBegin(),
              std::end(kKindNames) - std::begin(kKindNames));
    std::set<TransitionRoutine> routines;
    const TransitionKind* kind = TransitionKindsBegin();
    for (const char* name : kKindNames) {
        EXPECT_STREQ(kind->name, name);
        EXPECT_NE(kind->routine, nullptr) << name;
        EXPECT_EQ(LookupTransitionRoutine(name), kind->routine) << name;
        EXPECT_EQ(FindTransitionKind(kind->routine), kind) << name;
        routines.insert(kind->routine);
        ++kind;
    }
    EXPECT_EQ(routines.size(), std::size(kKindNames));
}

TEST(TransitionKinds, LookupComparesTheWholeNameInItsLetterCase) {
    for (const char* name : {"linearup", "LINEARUP", "Linearup", "LinearUp ", " LinearUp", "Linear",
                             "LinearUpX", "Foo", ""}) {
        EXPECT_EQ(LookupTransitionRoutine(name), nullptr) << '"' << name << '"';
    }
    EXPECT_EQ(LookupTransitionRoutine(std::string("LinearUp\0X", 10)), nullptr);
}

// Which kinds draw beyond the picture, renew a random pattern, or are drawn
// whole at every level with effects off; every other kind is false, 0, false.
struct Classification {
    const char* name;
    bool drawsOutside;
    int randomMode;
    bool wholeWithEffectsOff;
};

const Classification kClassified[] = {
    {"ShakeHLine", true, 2, false},   {"ShakeVLine", true, 2, false},
    {"ShakeRect", true, 2, false},    {"ScratchDown", true, 1, false},
    {"ScratchUp", true, 1, false},    {"ScratchLeft", true, 1, false},
    {"ScratchRight", true, 1, false}, {"FatH", true, 0, false},
    {"FatV", true, 0, false},         {"Wave", true, 0, false},
    {"WaveSmall", true, 0, false},    {"WaveBump", true, 0, false},
    {"TensileLeft", true, 0, false},  {"TensileRight", true, 0, false},
    {"TensileDown", true, 0, false},  {"TensileUp", true, 0, false},
    {"ShaveAll", false, 1, false},    {"ShaveDown", false, 1, false},
    {"ShaveUp", false, 1, false},     {"ShaveLeft", false, 1, false},
    {"ShaveRight", false, 1, false},  {"ShaveCircle", false, 1, false},
    {"ShaveHole", false, 1, false},   {"DitherRandom", false, 1, false},
    {"TurnH", false, 0, true},        {"TurnV", false, 0, true},
    {"Mosaic", false, 0, true},
};

TEST(TransitionKinds, EveryKindCarriesItsClassification) {
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        Classification expected = {kind->name, false, 0, false};
        for (const Classification& c : kClassified)
            if (std::string(c.name) == kind->name) expected = c;
        EXPECT_EQ(kind->drawsOutside, expected.drawsOutside) << kind->name;
        EXPECT_EQ(kind->randomMode, expected.randomMode) << kind->name;
        EXPECT_EQ(kind->drawnWholeWithEffectsOff, expected.wholeWithEffectsOff) << kind->name;
        EXPECT_EQ(TransitionDrawsOutside(kind->routine), expected.drawsOutside) << kind->name;
        EXPECT_EQ(TransitionRandomMode(kind->routine), expected.randomMode) << kind->name;
    }
    for (const Classification& c : kClassified)
        EXPECT_NE(LookupTransitionRoutine(c.name), nullptr) << c.name;
}

TEST(TransitionKinds, ARoutineOfNoKindIsClassifiedAsDrawingInsideWithoutRandomPattern) {
    EXPECT_EQ(FindTransitionKind(nullptr), nullptr);
    EXPECT_FALSE(TransitionDrawsOutside(nullptr));
    EXPECT_EQ(TransitionRandomMode(nullptr), 0);
}

}  // namespace
