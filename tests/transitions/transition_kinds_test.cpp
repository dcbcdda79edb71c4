#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "transitions/transition_kinds.h"

namespace {

const char* const kWipeNames[] = {
    "LinearDown",    "LinearUp",      "LinearLeft",      "LinearRight",     "RectCenter",
    "RectTopLeft",   "RectTopRight",  "RectBottomLeft",  "RectBottomRight", "BoxCenter",
    "BoxTopLeft",    "BoxTopRight",   "BoxBottomLeft",   "BoxBottomRight",  "CircleTop",
    "CircleBottom",  "CircleLeft",    "CircleRight",     "CircleCenter",    "HoleTop",
    "HoleBottom",    "HoleLeft",      "HoleRight",       "HoleCenter",      "BlindRight",
    "BlindLeft",     "BlindUp",       "BlindDown",       "BlindSlant",      "CurtainLeft",
    "CurtainRight",  "CurtainUp",     "CurtainDown",     "TerecoH",         "TerecoV",
    "TerecoHDouble", "TerecoVDouble", "FanCenter",       "FanTop",          "FanBottom",
    "FanLeft",       "FanRight",      "FanCenterDouble",
};

TEST(TransitionKinds, TableHoldsTheWipesInLookupOrderEachWithItsOwnRoutine) {
    ASSERT_EQ(TransitionKindsEnd() - TransitionKindsBegin(),
              std::end(kWipeNames) - std::begin(kWipeNames));
    std::set<TransitionRoutine> routines;
    const TransitionKind* kind = TransitionKindsBegin();
    for (const char* name : kWipeNames) {
        EXPECT_STREQ(kind->name, name);
        EXPECT_NE(kind->routine, nullptr) << name;
        EXPECT_EQ(LookupTransitionRoutine(name), kind->routine) << name;
        EXPECT_EQ(FindTransitionKind(kind->routine), kind) << name;
        routines.insert(kind->routine);
        ++kind;
    }
    EXPECT_EQ(routines.size(), std::size(kWipeNames));
}

TEST(TransitionKinds, LookupComparesTheWholeNameInItsLetterCase) {
    for (const char* name : {"linearup", "LINEARUP", "Linearup", "LinearUp ", " LinearUp", "Linear",
                             "LinearUpX", "Foo", ""}) {
        EXPECT_EQ(LookupTransitionRoutine(name), nullptr) << '"' << name << '"';
    }
    EXPECT_EQ(LookupTransitionRoutine(std::string("LinearUp\0X", 10)), nullptr);
}

TEST(TransitionKinds, WipesStayInsideThePictureUseNoRandomPatternAndVanishWithEffectsOff) {
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        EXPECT_FALSE(kind->drawsOutside) << kind->name;
        EXPECT_EQ(kind->randomMode, 0) << kind->name;
        EXPECT_FALSE(kind->drawnWholeWithEffectsOff) << kind->name;
        EXPECT_FALSE(TransitionDrawsOutside(kind->routine)) << kind->name;
        EXPECT_EQ(TransitionRandomMode(kind->routine), 0) << kind->name;
    }
}

TEST(TransitionKinds, ARoutineOfNoKindIsClassifiedAsDrawingInsideWithoutRandomPattern) {
    EXPECT_EQ(FindTransitionKind(nullptr), nullptr);
    EXPECT_FALSE(TransitionDrawsOutside(nullptr));
    EXPECT_EQ(TransitionRandomMode(nullptr), 0);
}

}  // namespace
