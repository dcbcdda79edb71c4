// The kind codes of the statements the executor, the scene and the control
// structures tell apart. The commands of nodes, animators and sounds list
// their own kinds beside their classes.
#pragma once

enum ScriptCommandKind : int {
    kKindWait = 3000,              // "wait" / "Wait": IncreaseWait
    kKindCall = 3001,              // "call": Call(page)
    kKindFarCall = 3002,           // "far_call": FarCall(file, page)
    kKindShift = 3003,             // "shift": Shift(page)
    kKindJump = 3004,              // "goto" and the jumps of control structures
    kKindReturn = 3005,            // "return": Return()
    kKindSceneShift = 4000,
    kKindSceneCall = 4001,
    kKindSceneReturn = 4002,
    kKindConditionalJump = 4009,   // skips ahead when its condition is 0
    kKindSelect = 4010,
    kKindExpressionStatement = 4014,
};
