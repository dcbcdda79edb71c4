// The base of every compiled statement and of every action a statement hands
// to a node, a sound voice or the screen. A command answers two codes: its
// category tells the receiver how to treat it, its kind names the concrete
// command. Receivers dispatch on these codes, never on type information.
#pragma once

// What the receiver does with a command.
enum ScriptCommandCategory : int {
    kCategoryNodeCommand = 1,      // create, delete, set hit-able: applied once
    kCategoryTransition = 2,       // screen transition
    kCategoryOpacityAnimator = 3,
    kCategoryZoomAnimator = 4,
    kCategoryPositionAnimator = 5, // move, shake, Bezier, Hermite
    kCategoryRotationAnimator = 6,
    kCategoryChipAction = 7,
    kCategoryMove3D = 8,
    kCategoryRotate3D = 9,
    kCategoryZoom3D = 10,
    kCategoryMenuCallback = 11,
    kCategoryDynamicTextAction = 12,
    kCategorySoundPlayState = 13,
    kCategorySoundVolume = 14,
    kCategorySoundPan = 15,
    kCategorySoundFrequency = 16,
    kCategoryCD = 17,
    kCategoryHostSound = 18,       // a sound command handed up to the command target
    kCategoryStatement = 19,       // CScriptStatement, run by the script host
    kCategoryFlowStatement = 20,   // CFlowStatement, run by the executor
};

class CScriptCommand {
public:
    virtual ~CScriptCommand();
    virtual int GetCategory() const = 0;  // a ScriptCommandCategory
    virtual int GetKind() const = 0;      // a ScriptCommandKind
};
