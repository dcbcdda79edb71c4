// The codes that tell node kinds apart, and the choice of animation that the
// script's wait statements ask a node about.
#pragma once

enum NodeKind : int {
    kNodeKindScene = 1000,  // the plain group node
    kNodeKindImage = 1001,
    kNodeKindMovie = 1002,
    kNodeKindLine = 1003,
    kNodeKindColor = 1004,
    kNodeKindText = 1005,
    kNodeKindBalloon = 1006,
    kNodeKindAnimation = 2000,
    kNodeKindWindow = 2001,
    kNodeKindMask = 2002,
    kNodeKindEffect = 2003,
    kNodeKindClass = 2004,
    kNodeKind3D = 2005,
    kNodeKindOutline = 3000,
    kNodeKindFrame = 3001,
    kNodeKindDynamicText = 3002,
    kNodeKindButton = 3003,
    kNodeKindScriptPage = 3004,
    kNodeKindHit = 3005,
    kNodeKindStandardButton = 3006,
};

// Which animations IsAnimating and GetAnimationTimeLeft look at. Any other
// value selects none of a plain node's own animators.
enum AnimatorSelector : int {
    kAnimatorAny = 1,
    kAnimatorPosition = 2,
    kAnimatorZoom = 3,
    kAnimatorRotation = 4,
    kAnimatorOpacity = 5,
    kAnimatorScript = 6,  // a class node's script
};

// The time left of an animation that has no end of its own.
constexpr unsigned kAnimationEndless = 4294967295u;
