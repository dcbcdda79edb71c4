#include "transitions/transition_kinds.h"

#include <iterator>

#include "transitions/blind_wipes.h"
#include "transitions/box_wipes.h"
#include "transitions/circle_wipes.h"
#include "transitions/curtain_wipes.h"
#include "transitions/dither_transitions.h"
#include "transitions/fan_wipes.h"
#include "transitions/fat_slim_transitions.h"
#include "transitions/hole_wipes.h"
#include "transitions/linear_wipes.h"
#include "transitions/mosaic_transition.h"
#include "transitions/rect_wipes.h"
#include "transitions/scratch_transitions.h"
#include "transitions/shake_transitions.h"
#include "transitions/shave_transitions.h"
#include "transitions/tensile_transitions.h"
#include "transitions/tereco_wipes.h"
#include "transitions/tile_turn_transitions.h"
#include "transitions/wave_transitions.h"

namespace {

// A kind that stays inside the picture and uses no random pattern.
#define MIRL_WIPE(name) {#name, &name, false, 0, false}
// A kind with its own classification.
#define MIRL_KIND(name, drawsOutside, randomMode, wholeWithEffectsOff) \
    {#name, &name, drawsOutside, randomMode, wholeWithEffectsOff}

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
    // Random blocks, renewed every frame while the level moves.
    MIRL_KIND(ShaveAll, false, 1, false),
    MIRL_KIND(ShaveDown, false, 1, false),
    MIRL_KIND(ShaveUp, false, 1, false),
    MIRL_KIND(ShaveLeft, false, 1, false),
    MIRL_KIND(ShaveRight, false, 1, false),
    MIRL_KIND(ShaveCircle, false, 1, false),
    MIRL_KIND(ShaveHole, false, 1, false),
    MIRL_WIPE(DitherHatch),
    MIRL_KIND(DitherRandom, false, 1, false),
    MIRL_WIPE(TileLeftTop),
    // Whole again at 255, so drawn whole at every level with effects off.
    MIRL_KIND(TurnH, false, 0, true),
    MIRL_KIND(TurnV, false, 0, true),
    // Jitter beyond the picture, renewed every frame while the level is not 0.
    MIRL_KIND(ShakeHLine, true, 2, false),
    MIRL_KIND(ShakeVLine, true, 2, false),
    MIRL_KIND(ShakeRect, true, 2, false),
    MIRL_KIND(ScratchDown, true, 1, false),
    MIRL_KIND(ScratchUp, true, 1, false),
    MIRL_KIND(ScratchLeft, true, 1, false),
    MIRL_KIND(ScratchRight, true, 1, false),
    MIRL_KIND(FatH, true, 0, false),
    MIRL_KIND(FatV, true, 0, false),
    MIRL_WIPE(SlimH),
    MIRL_WIPE(SlimV),
    MIRL_KIND(Wave, true, 0, false),
    MIRL_KIND(WaveSmall, true, 0, false),
    MIRL_KIND(WaveBump, true, 0, false),
    MIRL_KIND(TensileLeft, true, 0, false),
    MIRL_KIND(TensileRight, true, 0, false),
    MIRL_KIND(TensileDown, true, 0, false),
    MIRL_KIND(TensileUp, true, 0, false),
    MIRL_KIND(Mosaic, false, 0, true),
};

#undef MIRL_KIND
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
