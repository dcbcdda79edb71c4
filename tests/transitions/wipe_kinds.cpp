#include "wipe_kinds.h"

#include <gtest/gtest.h>

#include <cstring>

#include "transitions/transition_kinds.h"
#include "wipe_model.h"

namespace {

template <class Keep>
std::vector<NamedRoutine> KindsWhere(Keep keep) {
    std::vector<NamedRoutine> kinds;
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd(); ++kind)
        if (keep(*kind)) kinds.push_back({kind->name, kind->routine});
    return kinds;
}

bool StartsWithAny(const char* name, std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes)
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) return true;
    return false;
}

}  // namespace

std::vector<NamedRoutine> AllTransitionKinds() {
    return KindsWhere([](const TransitionKind&) { return true; });
}

std::vector<NamedRoutine> WipeKinds() {
    return KindsWhere([](const TransitionKind& k) { return FindWipeModel(k.name) != nullptr; });
}

std::vector<NamedRoutine> KindsBlankAt255() {
    return KindsWhere([](const TransitionKind& k) {
        return !StartsWithAny(k.name,
                              {"Turn", "Fat", "Slim", "Shake", "Tensile", "Wave", "Mosaic"});
    });
}

std::vector<NamedRoutine> KindsWholeAtLevel0() {
    return KindsWhere([](const TransitionKind& k) { return std::strcmp(k.name, "WaveBump") != 0; });
}

std::vector<NamedRoutine> KindsWithoutRandomNumbers() {
    return KindsWhere([](const TransitionKind& k) { return k.randomMode == 0; });
}
