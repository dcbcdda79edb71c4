// The codes of statement arguments: which reader reads an argument, how a
// placement argument states a position, the placement words and the sound
// channel kinds.
#pragma once

#include <cstdint>

enum ArgumentKind : int {
    kArgumentNumber = 1,               // int
    kArgumentOptionalNumber = 2,       // given flag, int; "invalid" is not given
    kArgumentRelativeNumber = 3,       // mode (1 absolute, 2 "@" relative), int
    kArgumentString = 4,               // double-quoted string
    kArgumentWord = 5,
    kArgumentPath = 6,                 // double-quoted, resolved against the base path
    kArgumentBool = 7,                 // "true" or "false"
    kArgumentHorizontalPlacement = 8,  // PlacementMode, value
    kArgumentVerticalPlacement = 9,    // PlacementMode, value
    kArgumentColor = 10,               // Color32
    kArgumentExpression = 11,          // the expression's text
    kArgumentEasing = 12,              // EasingCurve
    kArgumentSoundChannel = 13,        // SoundChannelKind, channel number
    kArgumentBezierPoints = 14,        // anchor, control, control, anchor, ...
    kArgumentHermitePoints = 15,       // key point, tangent, key point, tangent, ...
};

// How a placement argument states a position; resolved when the animator
// starts.
enum PlacementMode : int {
    kPlacementIntact = 0,                  // "intact": keep the current position
    kPlacementPixels = 1,                  // 12 or 12px
    kPlacementPercent = 2,                 // 12%
    kPlacementRelativePixels = 3,          // @12 or @12px
    kPlacementRelativePercent = 4,         // @12%
    kPlacementCentredPixels = 5,           // #12 or #12px
    kPlacementCentredPercent = 6,          // #12%
    kPlacementRelativeCentredPixels = 7,   // #@12 or #@12px
    kPlacementRelativeCentredPercent = 8,  // #@12%
    kPlacementKeyword = 9,                 // a placement word; the value is its code
};

// The value of a kPlacementKeyword placement, with its horizontal and
// vertical words.
enum PlacementKeyword : int {
    kPlacementOutLeft = 0,   // "out_left"  / "out_top"
    kPlacementInLeft = 1,    // "in_left"   / "in_top"
    kPlacementCenter = 2,    // "center"    / "middle"
    kPlacementInRight = 3,   // "in_right"  / "in_bottom"
    kPlacementOutRight = 4,  // "out_right" / "out_bottom"
    kPlacementOnLeft = 5,    // "on_left"   / "on_top"
    kPlacementOnRight = 6,   // "on_right"  / "on_bottom"
};

enum SoundChannelKind : int {
    kSoundChannelSE = 1,
    kSoundChannelBGM = 2,
    kSoundChannelVoice = 3,
    kSoundChannelCD = 4,
};

// A point of a Bezier or Hermite argument.
struct ScriptPoint {
    int32_t x;
    int32_t y;
    bool operator==(const ScriptPoint& other) const { return x == other.x && y == other.y; }
};
