// The balloon's clocks: the placement of every state at chosen times, the
// requests, the ends of the states, the floating motion and the focus zoom,
// against values worked out from their formulas.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "text/balloon/balloon_motion.h"

namespace {

// A motion in the given state with its timer at t (the request that sets
// the state, then the time).
CBalloonMotion InState(int state, int t) {
    static const char* const kRequests[] = {"Erase",       "Enter",      "TapEnter",
                                            "ExpandEnter", "BoundEnter", "ShockEnter",
                                            nullptr,       "Show",       "Exit",
                                            nullptr,       "Vanish",     "Drop"};
    CBalloonMotion motion;
    motion.Start();
    if (state == kBalloonGone) {
        motion.Request("Exit");
        motion.AddStateTime(501);
        motion.Advance(501);
    } else if (state == kBalloonShown) {
        motion.Request("Enter");
        motion.AddStateTime(500);
        motion.Advance(500);
    } else {
        motion.Request(kRequests[state]);
    }
    EXPECT_EQ(state, motion.State());
    motion.AddStateTime(t - motion.StateTimer());
    return motion;
}

TEST(BalloonMotion, PlacementOfEveryState) {
    const struct {
        int state, t;
        double a, b, c;
        int dy;
    } cases[] = {
        {0, 100, 1, 1, 1, 0},
        {1, 0, 1, 1, 0, 0},
        {1, 250, 1, 1, 0.5, 0},  // q = 128
        {1, 600, 1, 1, 1, 0},
        // TapEnter at 200 x 120: s = 0.9 + 0.1 sin(pi/4), plus 8/200 and 6/120.
        {2, 100, 1.0107106781186548, 1.0207106781186548, 0.5, 0},
        {2, 250, 0.98, 0.975, 1, 0},  // 1 - 4/200, 1 - 3/120
        {2, 300, 1, 1, 1, 0},
        {3, 250, 0.8535533905932737, 0.8535533905932737, 0.5, 0},
        {3, 500, 1, 1, 1, 0},
        {4, 150, 1.0035533905932736, 1.0035533905932736, 0.5, 0},
        {4, 400, 0.99, 0.99, 1, 0},
        {5, 125, 1.7071067811865475, 1.7071067811865475, 1, 0},  // 1 + sin(3pi/4)
        {5, 375, 1.05, 1.05, 1, 0},  // 1 + 0.2 x 0.25 x cos(2 pi)
        {6, 0, 1, 1, 1, 0},
        {7, 50, 1, 1, 1, 0},
        {8, 250, 1, 1, 0.5, 0},
        {8, 500, 1, 1, 0, 0},
        {9, 0, 0, 0, 0, 0},
        {10, 500, 1, 1, 1, 0},
        {10, 1250, 1, 1, 0.5, 0},
        {11, 250, 1, 1, 0.5, 25},  // (128 x 128 x 100 / 256) / 256
        {11, 500, 1, 1, 0, 100},
    };
    for (const auto& c : cases) {
        CBalloonMotion motion = InState(c.state, c.t);
        BalloonPlacement p = motion.Placement(200, 120);
        SCOPED_TRACE(testing::Message() << "state " << c.state << " t " << c.t);
        EXPECT_NEAR(c.a, p.zoomX, 1e-12);
        EXPECT_NEAR(c.b, p.zoomY, 1e-12);
        EXPECT_NEAR(c.c, p.opacity, 1e-12);
        EXPECT_EQ(c.dy, p.dy);
    }
}

TEST(BalloonMotion, Progress) {
    const struct {
        int t, d, q;
    } cases[] = {{-1, 500, 0}, {0, 500, 0}, {1, 500, 0}, {2, 500, 1}, {499, 500, 255},
                 {500, 500, 256}, {501, 500, 256}, {150, 200, 192}};
    for (const auto& c : cases) EXPECT_EQ(c.q, BalloonProgress(c.t, c.d)) << c.t;
}

TEST(BalloonMotion, RequestsTable) {
    const struct {
        const char* name;
        int state;  // -1: unchanged
        bool dirty;
        const char* text;
    } cases[] = {
        {"Exit", 8, true, nullptr},        {"Show", 7, true, "TypeOut"},
        {"Enter", 1, true, "Erase"},       {"Erase", 0, true, "Erase"},
        {"TapEnter", 2, true, "Erase"},    {"ExpandEnter", 3, true, "Erase"},
        {"BoundEnter", 4, true, "Erase"},  {"ShockEnter", 5, true, "Erase"},
        {"Select", 10, false, nullptr},    {"Vanish", 10, false, nullptr},
        {"Unselect", 11, false, nullptr},  {"Drop", 11, false, nullptr},
        {"Soft", -1, false, nullptr},      {"SetFocus", -1, false, nullptr},
        {"Zoom", -1, false, nullptr},
    };
    for (const auto& c : cases) {
        CBalloonMotion motion = InState(kBalloonShownAtOnce, 40);
        motion.Request("Soft");
        motion.Advance(70);
        BalloonRequest request = motion.Request(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(request.known);
        EXPECT_EQ(c.dirty, request.dirty);
        EXPECT_EQ(c.text == nullptr, request.textRequest == nullptr);
        if (c.text && request.textRequest) {
            EXPECT_STREQ(c.text, request.textRequest);
        }
        EXPECT_EQ(c.state == -1 ? kBalloonShownAtOnce : c.state, motion.State());
        if (c.dirty) {
            // The state requests reset every clock and the focus mode.
            EXPECT_EQ(0, motion.StateTimer());
            EXPECT_EQ(0, motion.FocusTimer());
            EXPECT_EQ(0, motion.FloatTimer());
            EXPECT_EQ(kFocusNone, motion.FocusMode());
        } else if (c.state != -1) {
            // Select and Drop restart the state clock only.
            EXPECT_EQ(0, motion.StateTimer());
            EXPECT_EQ(kFocusFloat, motion.FocusMode());
            EXPECT_EQ(70, motion.FocusTimer());
        }
    }
    // Names are exact; "#Lock" and other names change nothing.
    for (const char* name : {"#Lock", "exit", "Exit ", "", "KillFocus2"}) {
        CBalloonMotion motion = InState(kBalloonShown, 0);
        EXPECT_FALSE(motion.Request(name).known) << name;
        EXPECT_EQ(kBalloonShown, motion.State());
    }
}

TEST(BalloonMotion, StatesEndByThemselves) {
    const struct {
        const char* request;
        int last;  // the last time still in the state
        int next;
    } cases[] = {
        {"TapEnter", 299, kBalloonShown}, {"Enter", 499, kBalloonShown},
        {"ShockEnter", 499, kBalloonShown}, {"Exit", 500, kBalloonGone},
        {"Drop", 500, kBalloonGone},      {"Vanish", 1500, kBalloonGone},
    };
    for (const auto& c : cases) {
        CBalloonMotion motion;
        motion.Start();
        motion.Request(c.request);
        motion.AddStateTime(c.last);
        BalloonStep held = motion.Advance(c.last);
        EXPECT_FALSE(held.startTyping || held.remove) << c.request;
        EXPECT_NE(c.next, motion.State()) << c.request;
        motion.AddStateTime(1);
        BalloonStep step = motion.Advance(1);
        EXPECT_EQ(c.next, motion.State()) << c.request;
        EXPECT_EQ(c.next == kBalloonShown, step.startTyping) << c.request;
        // The gone state asks for removal at the following update.
        if (c.next == kBalloonGone) {
            EXPECT_EQ(0, motion.StateTimer());
            EXPECT_TRUE(motion.Advance(16).remove) << c.request;
        }
    }
    // Hidden, shown and shown-at-once states last.
    for (const char* request : {"Erase", "Show"}) {
        CBalloonMotion motion;
        motion.Start();
        motion.Request(request);
        motion.AddStateTime(100000);
        BalloonStep step = motion.Advance(100000);
        EXPECT_FALSE(step.invalidate || step.remove || step.startTyping) << request;
    }
}

TEST(BalloonMotion, FloatingMotion) {
    CBalloonMotion motion = InState(kBalloonShownAtOnce, 0);
    std::srand(77);
    const int delay = std::rand() % 1000;
    std::srand(77);
    motion.Request("Soft");
    EXPECT_EQ(-delay, motion.FloatTimer());
    // A second "Soft" changes nothing.
    motion.Request("Soft");
    EXPECT_EQ(-delay, motion.FloatTimer());
    BalloonPlacement still = motion.Placement(200, 120);
    EXPECT_EQ(1.0, still.zoomX);

    motion.Advance(delay + 1250);  // T = 1250: a = 1, sin(2.5 pi) = 1
    BalloonPlacement p = motion.Placement(200, 120);
    EXPECT_NEAR(1.025, p.zoomX, 1e-12);
    EXPECT_NEAR(1.025, p.zoomY, 1e-12);
    EXPECT_EQ(7, p.dy);  // trunc(8 sin(0.625 pi)) = trunc(7.39)

    motion.Request("UnSoft");  // float timer 1250 % 4000
    EXPECT_EQ(kFocusSettle, motion.FocusMode());
    EXPECT_EQ(1250, motion.FloatTimer());
    motion.Advance(3000);  // T = 4250: a = cos(r pi/2), r = 0.41666666 (single)
    p = motion.Placement(200, 120);
    EXPECT_NEAR(1.0198338337447657, p.zoomX, 1e-7);
    EXPECT_EQ(2, p.dy);  // trunc(2.43)
    motion.Advance(1750);  // T = 6000: the motion has died away
    p = motion.Placement(200, 120);
    EXPECT_EQ(1.0, p.zoomX);
    EXPECT_EQ(0, p.dy);
    // "UnSoft" when not floating does nothing.
    CBalloonMotion plain = InState(kBalloonShown, 0);
    plain.Request("UnSoft");
    EXPECT_EQ(kFocusNone, plain.FocusMode());
}

TEST(BalloonMotion, FocusSequence) {
    CBalloonMotion motion = InState(kBalloonShownAtOnce, 0);
    // From focus timer 0 the zoom jumps to 1.5 at once (timer 250).
    motion.Request("SetFocus");
    EXPECT_EQ(250, motion.FocusTimer());
    EXPECT_NEAR(1.5, motion.Placement(200, 120).zoomX, 1e-12);
    motion.Advance(100);  // focus timer 350, float timer 100
    motion.Request("KillFocus");
    EXPECT_EQ(0, motion.FocusTimer());
    // Zoom 1.5 times the breathing of a = 0.1: 1 + 0.025 x 0.1 sin(0.2 pi).
    BalloonPlacement p = motion.Placement(200, 120);
    EXPECT_NEAR(1.502204194696097, p.zoomX, 1e-12);
    EXPECT_EQ(0, p.dy);  // trunc(0.125)
    motion.Advance(100);  // focus 100: 1 + 0.5 cos(0.2 pi); float 200
    EXPECT_NEAR(1.4111873319796842, motion.Placement(200, 120).zoomX, 1e-12);
    motion.Request("SetFocus");  // 250 - 100: the zoom continues from there
    EXPECT_EQ(150, motion.FocusTimer());
    EXPECT_NEAR(1.4111873319796842, motion.Placement(200, 120).zoomX, 1e-12);
    motion.Advance(100);  // focus 250: 1.5; float 300
    p = motion.Placement(200, 120);
    EXPECT_NEAR(1.5106993858083206, p.zoomX, 1e-12);
    EXPECT_EQ(1, p.dy);  // trunc(1.09)
    // "KillFocus" without focus does nothing; "UnZoom" is its other name.
    CBalloonMotion plain = InState(kBalloonShown, 0);
    plain.Request("UnZoom");
    EXPECT_EQ(kFocusNone, plain.FocusMode());
    plain.Request("Zoom");
    plain.Request("UnZoom");
    EXPECT_EQ(kFocusZoomOut, plain.FocusMode());
}

}  // namespace
