// The border styles of the outline node and the names scripts give them.
#pragma once

#include <string>

enum OutlineStyle : int {
    kOutlineUnknown = 0,
    kOutlineNone = 1,
    kOutlineVivide = 2,       // four colour rectangles outside
    kOutlineFade = 3,         // four pictures outside, fading outwards, round corners
    kOutlineShadow = 4,       // a drop shadow to the right and below
    kOutlineRound = 5,        // four solid pictures outside, round corners
    kOutlineNoise = 6,        // four pictures outside, random alpha under a sine
    kOutlineEmboss = 7,       // four pictures inside: white top and left, black bottom and right
    kOutlineInnerShadow = 8,  // two pictures inside along the top and the left edge
};

// The style of the whole name, compared case-sensitively; kOutlineUnknown
// for any other name.
OutlineStyle ParseOutlineStyle(const std::string& name);
