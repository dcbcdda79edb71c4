#include <gtest/gtest.h>

#include "wipe_kinds.h"

#include "transitions/transition_kinds.h"

std::vector<NamedRoutine> AllTransitionKinds() {
    std::vector<NamedRoutine> kinds;
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd(); ++kind)
        kinds.push_back({kind->name, kind->routine});
    return kinds;
}
