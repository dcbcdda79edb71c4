// The kind code of every command class: node commands, animators, sound
// commands, statements and the data actions that particular node kinds
// read.
#pragma once

enum ScriptCommandKind : int {
    kKindCreateNode = 1000,        // "CreateNode" and every node-creating statement
    kKindDeleteNode = 1001,        // "Delete"
    kKindMove = 1004,              // "Move", "MoveEx"
    kKindShakeMove = 1005,
    kKindBezierMove = 1006,
    kKindHermiteMove = 1007,
    kKindZoom = 1009,
    kKindRotate = 1011,
    kKindMenuOpacityFade = 1012,   // the in-game menu's fade of a whole node
    kKindOpaque = 1013,
    kKindSetHitable = 1014,
    kKindSoundPlay = 2000,
    kKindSoundStop = 2001,
    kKindSoundPause = 2002,
    kKindSoundResume = 2003,
    kKindSoundVolume = 2004,
    kKindSoundPan = 2005,
    kKindSoundFrequency = 2006,
    kKindSoundLoop = 2007,
    kKindSoundLoad = 2008,
    kKindPlayCD = 2009,
    kKindWait = 3000,              // "wait" / "Wait": IncreaseWait
    kKindCall = 3001,              // "call": Call(page)
    kKindFarCall = 3002,           // "far_call": FarCall(file, page)
    kKindShift = 3003,             // "shift": Shift(page)
    kKindJump = 3004,              // "goto" and the jumps of control structures
    kKindReturn = 3005,            // "return": Return()
    kKindSceneShift = 4000,
    kKindSceneCall = 4001,
    kKindSceneReturn = 4002,
    kKindSetTimeCritical = 4003,
    kKindDraw = 4004,              // "Draw", and after every synchronised sound start
    kKindWaitAction = 4005,
    kKindWaitSound = 4006,
    kKindWaitKey = 4007,
    kKindConditionalJump = 4009,   // skips ahead when its condition is 0
    kKindSelect = 4010,
    kKindRequest = 4011,
    kKindSystem = 4012,
    kKindSound = 4013,             // every sound statement
    kKindExpressionStatement = 4014,
    kKindSoundUnsynchronize = 4016,
    kKindMove3D = 10000,
    kKindZoom3D = 10001,
    kKindRotate3D = 10002,
    kKindPageOpacityFade = 10003,  // a fade of a script page's content
    kKindPageScriptPause = 10004,  // a timed pause of a script page's script
    kKindSetChip = 10005,
    kKindTransition = 10006,       // "DrawEffect", "DrawEffectEx"
    kKindAddText = 10007,
    kKindClearText = 10008,
};
