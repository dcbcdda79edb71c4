#include "transitions/transition_kinds.h"

#include <iterator>

#include "transitions/blind_wipes.h"
#include "transitions/box_wipes.h"
#include "transitions/circle_wipes.h"
#include "transitions/curtain_wipes.h"
#include "transitions/fan_wipes.h"
#include "transitions/hole_wipes.h"
#include "transitions/linear_wipes.h"
#include "transitions/rect_wipes.h"
#include "transitions/tereco_wipes.h"

namespace {

// A kind that stays inside the picture and uses no random pattern.
#define MIRL_WIPE(name) {#name, &name, false, 0, false}

const TransitionKind kKinds[] = {
    MIRL_WIPE(LinearDown),      MIRL_WIPE(LinearUp),       MIRL_WIPE(LinearLeft),
    MIRL_WIPE(LinearRight),     MIRL_WIPE(RectCenter),     MIRL_WIPE(RectTopLeft),
    MIRL_WIPE(RectTopRight),    MIRL_WIPE(RectBottomLeft), MIRL_WIPE(RectBottomRight),
    MIRL_WIPE(BoxCenter),       MIRL_WIPE(BoxTopLeft),     MIRL_WIPE(BoxTopRight),
    MIRL_WIPE(BoxBottomLeft),   MIRL_WIPE(BoxBottomRight), MIRL_WIPE(CircleTop),
    MIRL_WIPE(CircleBottom),    MIRL_WIPE(CircleLeft),     MIRL_WIPE(CircleRight),
    MIRL_WIPE(CircleCenter),    MIRL_WIPE(HoleTop),        MIRL_WIPE(HoleBottom),
    MIRL_WIPE(HoleLeft),        MIRL_WIPE(HoleRight),      MIRL_WIPE(HoleCenter),
    MIRL_WIPE(BlindRight),      MIRL_WIPE(BlindLeft),      MIRL_WIPE(BlindUp),
    MIRL_WIPE(BlindDown),       MIRL_WIPE(BlindSlant),     MIRL_WIPE(CurtainLeft),
    MIRL_WIPE(CurtainRight),    MIRL_WIPE(CurtainUp),      MIRL_WIPE(CurtainDown),
    MIRL_WIPE(TerecoH),         MIRL_WIPE(TerecoV),        MIRL_WIPE(TerecoHDouble),
    MIRL_WIPE(TerecoVDouble),   MIRL_WIPE(FanCenter),      MIRL_WIPE(FanTop),
    MIRL_WIPE(FanBottom),       MIRL_WIPE(FanLeft),        MIRL_WIPE(FanRight),
    MIRL_WIPE(FanCenterDouble),
};

#undef MIRL_WIPE

}  // namespace

const TransitionKind* TransitionKindsBegin() { return std::begin(kKinds); }

const TransitionKind* TransitionKindsEnd() { return std::end(kKinds); }

TransitionRoutine LookupTransitionRoutine(const std::string& name) {
    for (const TransitionKind& kind : kKinds) {
        if (name == kind.name) return kind.routine;
    }
    return nullptr;
}

const TransitionKind* FindTransitionKind(TransitionRoutine routine) {
    for (const TransitionKind& kind : kKinds) {
        if (kind.routine == routine) return &kind;
    }
    return nullptr;
}

bool TransitionDrawsOutside(TransitionRoutine routine) {
    const TransitionKind* kind = FindTransitionKind(routine);
    return kind && kind->drawsOutside;
}

int TransitionRandomMode(TransitionRoutine routine) {
    const TransitionKind* kind = FindTransitionKind(routine);
    return kind ? kind->randomMode : 0;
}
