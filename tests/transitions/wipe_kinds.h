// The wipe kinds' names in lookup order, for tests that run every kind.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "transitions/transition_routine.h"

struct NamedRoutine {
    std::string name;
    TransitionRoutine routine;
};

// Every kind of the transition table.
std::vector<NamedRoutine> AllTransitionKinds();

inline void PrintTo(const NamedRoutine& kind, std::ostream* out) { *out << kind.name; }

// gtest parameter names: the kind's name.
struct KindName {
    std::string operator()(const testing::TestParamInfo<NamedRoutine>& info) const {
        return info.param.name;
    }
};
