// The clocks of a speech balloon and what they make of its placement: the
// appearance state with its timer (pop-ins, fades, drop), the focus zoom of
// a select's choices and the floating motion, all kept in milliseconds and
// turned into a zoom about the balloon's centre, an opacity and a downward
// shift that the node composes onto its placement.
#pragma once

#include <string>

enum BalloonState : int {
    kBalloonHidden = 0,  // "Erase": not drawn, not visible, not hit
    kBalloonFadeIn = 1,  // "Enter", 500 ms
    kBalloonTapIn = 2,  // attach, "TapEnter", 300 ms
    kBalloonExpandIn = 3,  // "ExpandEnter", 500 ms
    kBalloonBoundIn = 4,  // "BoundEnter", 500 ms
    kBalloonShockIn = 5,  // "ShockEnter", 500 ms
    kBalloonShown = 6,  // the end of states 1 to 5
    kBalloonShownAtOnce = 7,  // "Show"
    kBalloonFadeOut = 8,  // "Exit", 500 ms, then 9
    kBalloonGone = 9,  // transparent; removed at the next update
    kBalloonVanish = 10,  // "Select", "Vanish": 1000 ms shown, 500 ms fade, then 9
    kBalloonDrop = 11,  // "Unselect", "Drop": falls 100 pixels fading over 500 ms, then 9
};

enum BalloonFocusMode : int {
    kFocusNone = 0,
    kFocusZoomIn = 1,  // towards 1.5
    kFocusZoomOut = 2,  // back to 1
    kFocusFloat = 3,  // "Soft"
    kFocusSettle = 4,  // "UnSoft": the floating dies away
};

// Zoom about the centre, opacity and downward shift in pixels.
struct BalloonPlacement {
    double zoomX = 1;
    double zoomY = 1;
    double opacity = 1;
    int dy = 0;
};

// What a named request asks of the node besides the clocks.
struct BalloonRequest {
    bool known = false;
    bool dirty = false;  // the node is marked dirty first
    const char* textRequest = nullptr;  // sent to the child "Text", or none
};

// What one update asks of the node.
struct BalloonStep {
    bool beginChange = false;  // mark the old area first
    bool invalidate = false;
    bool startTyping = false;  // send "Typing" to the text
    bool remove = false;  // the balloon leaves its parent; nothing else happens
};

class CBalloonMotion {
public:
    // Attach: state 2 (the tap pop-in), no focus mode, every clock at 0.
    void Start();
    // The request names compared exactly; unknown names change nothing.
    BalloonRequest Request(const std::string& name);
    // The state timer runs first, before the node's animators and children.
    void AddStateTime(int milliseconds) { stateTimer_ += milliseconds; }
    // The state's end and the focus clocks.
    BalloonStep Advance(int milliseconds);
    // The state's values, then the floating motion, then the focus zoom.
    BalloonPlacement Placement(int width, int height) const;

    int State() const { return state_; }
    int FocusMode() const { return focusMode_; }
    int StateTimer() const { return stateTimer_; }
    int FocusTimer() const { return focusTimer_; }
    int FloatTimer() const { return floatTimer_; }
    // States 1 to 5: the pop-ins; their time left (300 or 500 ms from the start).
    bool IsEntering() const { return state_ >= kBalloonFadeIn && state_ <= kBalloonShockIn; }
    int EnterTimeLeft() const;

private:
    void SetState(int state);

    int state_ = kBalloonTapIn;
    int focusMode_ = kFocusNone;
    int stateTimer_ = 0;
    int focusTimer_ = 0;
    int floatTimer_ = 0;
};

// q(t, D): 0 before the start, 256 after D, else trunc(256 t / D).
int BalloonProgress(int t, int duration);
