// The transition kinds' names in lookup order, for tests that run every kind
// or every kind of one group.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "transitions/transition_routine.h"

struct NamedRoutine {
    std::string name;
    TransitionRoutine routine;
};

// Every kind of the transition table.
std::vector<NamedRoutine> AllTransitionKinds();
// The kinds that only cut the picture (a wipe model says which pixels stay).
std::vector<NamedRoutine> WipeKinds();
// The kinds that draw nothing at level 255.
std::vector<NamedRoutine> KindsBlankAt255();
// The kinds that draw the whole picture in one piece at level 0 (all but
// WaveBump, which distorts it at every level).
std::vector<NamedRoutine> KindsWholeAtLevel0();
// The kinds that take no random numbers.
std::vector<NamedRoutine> KindsWithoutRandomNumbers();

inline void PrintTo(const NamedRoutine& kind, std::ostream* out) { *out << kind.name; }

// gtest parameter names: the kind's name.
struct KindName {
    std::string operator()(const testing::TestParamInfo<NamedRoutine>& info) const {
        return info.param.name;
    }
};
