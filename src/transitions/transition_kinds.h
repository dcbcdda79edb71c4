// The transition kinds by name, in the order names are looked up, with what
// the transition command needs to know of each.
#pragma once

#include <string>

#include "transitions/transition_routine.h"

struct TransitionKind {
    const char* name;
    TransitionRoutine routine;
    // The kind draws beyond the picture's own rectangle.
    bool drawsOutside;
    // 0 no random pattern; 1 renewed every frame while the level is strictly
    // between 0 and 255; 2 renewed every frame while the level is not 0.
    int randomMode;
    // With effects off the kind is drawn whole (at level 0) at every level,
    // 255 included; the other kinds are drawn whole below 255 only.
    bool drawnWholeWithEffectsOff;
};

// Every kind, in lookup order.
const TransitionKind* TransitionKindsBegin();
const TransitionKind* TransitionKindsEnd();

// The routine whose name equals `name` exactly (letter case included); null
// for any other name.
TransitionRoutine LookupTransitionRoutine(const std::string& name);

// The kind a routine belongs to; null for a routine of no kind.
const TransitionKind* FindTransitionKind(TransitionRoutine routine);
// Its columns, false and 0 for a routine of no kind.
bool TransitionDrawsOutside(TransitionRoutine routine);
int TransitionRandomMode(TransitionRoutine routine);
