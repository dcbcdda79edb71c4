// The appearing effects of typed glyphs, as the TYPE tag names them.
#pragma once

enum TypeStyle : int {
    kTypeNormal = 1,
    kTypeSpit = 2,
    kTypeBang = 3,
    kTypeJump = 4,
    kTypeFade = 5,
    kTypeShutter = 6,
    kTypeFlicker = 7,
    kTypeStretch = 8,
    kTypeOffCenter = 9,
    kTypeRise = 10,
    kTypeWave = 11,
    kTypeSpring = 12,
    kTypeSplash = 13,
};
