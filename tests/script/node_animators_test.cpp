// The node animators stepped frame by frame on a node, against their
// formulas computed here: moves with several easings, the shake replayed
// from the same seed, the Bezier and Hermite paths with their segment rule
// and short lists, zoom, rotation and opacity in their three modes.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/easing.h"
#include "scene/scene_node.h"
#include "script/move_animators.h"
#include "script/path_animators.h"
#include "script/path_curves.h"
#include "script/script_command_kind.h"
#include "script/value_animators.h"

namespace {

// from + (to - from) x the eased ratio, or to once the time is up.
double Expected(double from, double to, int elapsed, int duration, EasingCurve easing) {
    if (elapsed >= duration) return to;
    const double r = static_cast<double>(elapsed) / duration;
    return from + (to - from) * (easing ? easing(r) : r);
}

struct Position {
    double x;
    double y;
};

Position PositionOf(const CNode& node) {
    Position p{};
    node.GetPosition(&p.x, &p.y);
    return p;
}

MovePlacement Pixels(int x, int y) { return {kPlacementPixels, x, kPlacementPixels, y}; }

struct EasingCase {
    const char* name;
    EasingCurve easing;
};

const EasingCase kEasings[] = {
    {"linear", nullptr}, {"AccSin", EaseAccSin}, {"Dec3", EaseDec3}, {"DecSig", EaseDecSig}};

TEST(NodeAnimatorTest, CategoriesAndKinds) {
    const std::vector<ScriptPoint> none;
    struct {
        std::unique_ptr<CNodeAnimator> animator;
        int category;
        int kind;
    } const cases[] = {
        {std::make_unique<CMoveAnimator>(Pixels(0, 0), 1, nullptr), 5, 1004},
        {std::make_unique<CShakeMoveAnimator>(Pixels(0, 0), ShakeAmplitudes{}, 1, nullptr), 5, 1005},
        {std::make_unique<CBezierMoveAnimator>(none, 1, nullptr), 5, 1006},
        {std::make_unique<CHermiteMoveAnimator>(none, 1, nullptr), 5, 1007},
        {std::make_unique<CZoomAnimator>(ValueTarget{1, 1}, ValueTarget{1, 1}, 1, nullptr), 4, 1009},
        {std::make_unique<CRotateAnimator>(1, 90, 1, nullptr), 6, 1011},
        {std::make_unique<COpaqueAnimator>(ValueTarget{1, 1}, 1, nullptr), 3, 1013},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.animator->GetCategory(), c.category);
        EXPECT_EQ(c.animator->GetKind(), c.kind);
        std::unique_ptr<CNodeAnimator> clone(c.animator->Clone());
        EXPECT_EQ(clone->GetKind(), c.kind);
    }
}

TEST(NodeAnimatorTest, MoveFollowsTheEasedLineFrameByFrameAndEndsOnTheTarget) {
    for (const EasingCase& e : kEasings) {
        SCOPED_TRACE(e.name);
        CSceneNode node(10, 20, 0);
        CMoveAnimator move(Pixels(300, -40), 100, e.easing);
        node.ApplyCommand(&move);
        EXPECT_EQ(PositionOf(node).x, 10);
        for (int elapsed = 17; elapsed < 140; elapsed += 17) {
            node.Update(17);
            SCOPED_TRACE(elapsed);
            EXPECT_NEAR(PositionOf(node).x, Expected(10, 300, elapsed, 100, e.easing), 1e-9);
            EXPECT_NEAR(PositionOf(node).y, Expected(20, -40, elapsed, 100, e.easing), 1e-9);
            EXPECT_EQ(node.IsAnimating(kAnimatorPosition), elapsed < 100);
        }
        EXPECT_EQ(PositionOf(node).x, 300);
        EXPECT_EQ(PositionOf(node).y, -40);
    }
}

TEST(NodeAnimatorTest, NoOrNegativeDurationStandsOnTheTargetInTheFirstStep) {
    for (int duration : {0, -5, INT_MIN}) {
        SCOPED_TRACE(duration);
        CSceneNode node(10, 20, 0);
        CMoveAnimator move(Pixels(7, 8), duration, nullptr);
        EXPECT_FALSE(move.IsRunning());
        EXPECT_EQ(move.GetTimeLeft(), 0u);
        node.ApplyCommand(&move);
        EXPECT_EQ(PositionOf(node).x, 7);
        EXPECT_EQ(PositionOf(node).y, 8);
        EXPECT_FALSE(node.IsAnimating(kAnimatorAny));
        COpaqueAnimator fade(ValueTarget{1, 0.25}, duration, nullptr);
        node.ApplyCommand(&fade);
        double opacity = 0;
        node.GetOpacity(&opacity);
        EXPECT_EQ(opacity, 0.25);
    }
}

TEST(NodeAnimatorTest, ANewMoveStartsWhereTheNodeStandsNow) {
    CSceneNode node(0, 0, 0);
    CMoveAnimator first(Pixels(100, 200), 100, nullptr);
    node.ApplyCommand(&first);
    node.Update(40);
    EXPECT_EQ(PositionOf(node).x, 40);
    CMoveAnimator second({kPlacementRelativePixels, 10, kPlacementIntact, 0}, 50, nullptr);
    node.ApplyCommand(&second);
    node.Update(25);
    EXPECT_NEAR(PositionOf(node).x, 40 + 10 * 0.5, 1e-12);  // from 40 to 50, half way
    EXPECT_NEAR(PositionOf(node).y, 80, 1e-12);              // intact: stays where it was
    node.Update(25);
    EXPECT_EQ(PositionOf(node).x, 50);
    EXPECT_EQ(PositionOf(node).y, 80);
}

TEST(NodeAnimatorTest, CloneCarriesTheElapsedTimeAndTheResolvedEnds) {
    CSceneNode node(0, 0, 0);
    CMoveAnimator move(Pixels(100, 50), 100, EaseAcc2);
    move.Start(node);
    move.Step(node, 30);
    std::unique_ptr<CNodeAnimator> clone(move.Clone());
    auto& copy = static_cast<CMoveAnimator&>(*clone);
    EXPECT_EQ(copy.GetTimeLeft(), 70u);
    EXPECT_EQ(copy.Counter().GetEasing(), EaseAcc2);
    EXPECT_EQ(copy.ToX(), 100);
    EXPECT_EQ(copy.ToY(), 50);
    CSceneNode other(0, 0, 0);
    copy.Step(other, 20);
    EXPECT_NEAR(PositionOf(other).x, Expected(0, 100, 50, 100, EaseAcc2), 1e-9);

    const std::vector<ScriptPoint> points = {{0, 0}, {10, 0}, {20, 0}, {30, 0}};
    CBezierMoveAnimator path(points, 60, nullptr);
    path.Step(node, 15);
    std::unique_ptr<CNodeAnimator> pathClone(path.Clone());
    EXPECT_EQ(static_cast<CBezierMoveAnimator&>(*pathClone).Points(), points);
    EXPECT_EQ(pathClone->GetTimeLeft(), 45u);
}

TEST(NodeAnimatorTest, ShakeJittersAsTheFormulaSaysAndEndsStillOnTheTarget) {
    const ShakeAmplitudes amplitudes{10, 4, 0, 20};
    for (const EasingCase& e : kEasings) {
        SCOPED_TRACE(e.name);
        CSceneNode node(5, 5, 0);
        CShakeMoveAnimator shake(Pixels(105, 45), amplitudes, 100, e.easing);
        std::srand(4321);
        node.ApplyCommand(&shake);
        std::vector<Position> seen{PositionOf(node)};
        for (int i = 0; i < 5; ++i) {
            node.Update(17);
            seen.push_back(PositionOf(node));
        }
        // The same steps replayed with the same seed.
        std::srand(4321);
        CProgressCounter counter;
        counter.Set(100, e.easing);
        for (int i = 0; i <= 5; ++i) {
            const int elapsed = i * 17;
            counter.Advance(i == 0 ? 0 : 17);
            double x = Expected(5, 105, elapsed, 100, e.easing);
            double y = Expected(5, 45, elapsed, 100, e.easing);
            ASSERT_TRUE(counter.IsRunning());
            const int ax = counter.LerpInt(10, 0);
            const int ay = counter.LerpInt(4, 20);
            x += std::rand() % (2 * ax + 1) - ax;
            y += std::rand() % (2 * ay + 1) - ay;
            SCOPED_TRACE(i);
            EXPECT_NEAR(seen[i].x, x, 1e-9);
            EXPECT_NEAR(seen[i].y, y, 1e-9);
        }
        node.Update(17);
        EXPECT_EQ(PositionOf(node).x, 105);
        EXPECT_EQ(PositionOf(node).y, 45);
        EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
    }
}

TEST(NodeAnimatorTest, ShakeJitterStaysDefinedAtTheIntLimits) {
    EXPECT_EQ(ShakeJitter(0, 12345), 0);
    EXPECT_EQ(ShakeJitter(3, 12345), 12345 % 7 - 3);
    EXPECT_EQ(ShakeJitter(-3, 7), 7 % -5 + 3);
    EXPECT_EQ(ShakeJitter(INT_MAX, 5), 5 - static_cast<int64_t>(INT_MAX));
    EXPECT_EQ(ShakeJitter(INT_MIN, 7), 7 - static_cast<int64_t>(INT_MIN));
}

TEST(NodeAnimatorTest, CurvesAtTheirEndsAndMiddle) {
    const ScriptPoint a{0, 0}, b{10, 40}, c{30, 40}, d{40, 0};
    EXPECT_EQ(InterpolateBezier(a, b, c, d, 0).x, 0);
    EXPECT_EQ(InterpolateBezier(a, b, c, d, 1).x, 40);
    EXPECT_DOUBLE_EQ(InterpolateBezier(a, b, c, d, 0.5).x, 0.375 * 10 + 0.375 * 30 + 0.125 * 40);
    EXPECT_DOUBLE_EQ(InterpolateBezier(a, b, c, d, 0.5).y, 0.75 * 40);
    const ScriptPoint m0{5, 0}, m1{0, -5};
    EXPECT_EQ(InterpolateHermite(b, m0, d, m1, 0).y, 40);
    EXPECT_EQ(InterpolateHermite(b, m0, d, m1, 1).x, 40);
    EXPECT_DOUBLE_EQ(InterpolateHermite(b, m0, d, m1, 0.5).x, 0.5 * 10 + 0.125 * 5 + 0.5 * 40);
    EXPECT_DOUBLE_EQ(InterpolateHermite(b, m0, d, m1, 0.5).y, 0.5 * 40 - 0.125 * -5);
}

// The point the segment rule picks at ratio r.
CurvePoint PathPoint(const std::vector<ScriptPoint>& p, bool bezier, double r) {
    const int segments = bezier ? (static_cast<int>(p.size()) - 1) / 3 : (static_cast<int>(p.size()) - 2) / 2;
    const double s = segments * r;
    const int i = r == 1.0 ? segments - 1 : static_cast<int>(s);
    const double t = s - i;
    if (bezier) return InterpolateBezier(p[3 * i], p[3 * i + 1], p[3 * i + 2], p[3 * i + 3], t);
    return InterpolateHermite(p[2 * i], p[2 * i + 1], p[2 * i + 2], p[2 * i + 3], t);
}

TEST(NodeAnimatorTest, PathsStepThroughTheirSegments) {
    const std::vector<ScriptPoint> bezier1 = {{0, 0}, {10, 40}, {30, 40}, {40, 0}};
    const std::vector<ScriptPoint> bezier2 = {{0, 0}, {10, 40}, {30, 40}, {40, 0}, {60, -20}, {80, 90}, {100, 7}};
    const std::vector<ScriptPoint> hermite1 = {{0, 0}, {50, 0}, {100, 20}, {0, 50}};
    const std::vector<ScriptPoint> hermite3 = {{0, 0}, {50, 0}, {100, 20}, {0, 50}, {30, 30}, {9, 9},
                                               {-5, 60}, {0, 0}};
    struct {
        const char* name;
        const std::vector<ScriptPoint>& points;
        bool bezier;
        EasingCurve easing;
        ScriptPoint last;
    } const cases[] = {
        {"bezier, one segment", bezier1, true, nullptr, {40, 0}},
        {"bezier, two segments, AccSin", bezier2, true, EaseAccSin, {100, 7}},
        {"hermite, one segment", hermite1, false, EaseDec2, {100, 20}},
        {"hermite, three segments", hermite3, false, nullptr, {-5, 60}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSceneNode node(-1, -1, 0);
        std::unique_ptr<CNodeAnimator> animator;
        if (c.bezier) {
            animator = std::make_unique<CBezierMoveAnimator>(c.points, 90, c.easing);
        } else {
            animator = std::make_unique<CHermiteMoveAnimator>(c.points, 90, c.easing);
        }
        node.ApplyCommand(animator.get());
        for (int elapsed = 0; elapsed <= 90; elapsed += 15) {
            if (elapsed > 0) node.Update(15);
            const double r = elapsed >= 90 ? 1.0 : (c.easing ? c.easing(elapsed / 90.0) : elapsed / 90.0);
            const CurvePoint expected = PathPoint(c.points, c.bezier, r);
            SCOPED_TRACE(elapsed);
            EXPECT_NEAR(PositionOf(node).x, expected.x, 1e-9);
            EXPECT_NEAR(PositionOf(node).y, expected.y, 1e-9);
        }
        EXPECT_EQ(PositionOf(node).x, c.last.x);
        EXPECT_EQ(PositionOf(node).y, c.last.y);
        EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
    }
}

TEST(NodeAnimatorTest, APathTooShortForOneSegmentLeavesTheNodeAndFinishesAtOnce) {
    const std::vector<ScriptPoint> all = {{100, 100}, {200, 200}, {300, 300}};
    for (size_t count = 0; count <= 3; ++count) {
        const std::vector<ScriptPoint> points(all.begin(), all.begin() + count);
        for (bool bezier : {true, false}) {
            SCOPED_TRACE(::testing::Message() << count << (bezier ? " Bezier" : " Hermite"));
            std::unique_ptr<CNodeAnimator> animator;
            if (bezier) {
                animator = std::make_unique<CBezierMoveAnimator>(points, 500, nullptr);
            } else {
                animator = std::make_unique<CHermiteMoveAnimator>(points, 500, nullptr);
            }
            CSceneNode node(3, 4, 0);
            node.ApplyCommand(animator.get());
            EXPECT_EQ(PositionOf(node).x, 3);
            EXPECT_EQ(PositionOf(node).y, 4);
            EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
            EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorPosition), 0u);
        }
    }
}

TEST(NodeAnimatorTest, ZoomRotationAndOpacityKeepTakeOrAddTheirValues) {
    for (const EasingCase& e : kEasings) {
        SCOPED_TRACE(e.name);
        struct {
            int mode;
            double value;
            double zoomTo, fadeTo;  // from zoom 2.0 and opacity 0.5
        } const cases[] = {
            {0, 0.75, 2.0, 0.5},
            {1, 0.75, 0.75, 0.75},
            {2, 0.25, 2.25, 0.75},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.mode);
            CSceneNode node(0, 0, 0);
            node.SetZoom(2.0, 0.5);
            node.SetRotation(30);
            node.SetOpacity(0.5);
            // The y zoom always takes 1.5, so the two axes differ; the
            // rotation keeps 30, takes 0 or adds 90.
            CZoomAnimator zoom(ValueTarget{c.mode, c.value}, ValueTarget{1, 1.5}, 80, e.easing);
            CRotateAnimator turn(c.mode, c.mode == 1 ? 0 : 90, 80, e.easing);
            COpaqueAnimator fade(ValueTarget{c.mode, c.value}, 80, e.easing);
            node.ApplyCommand(&zoom);
            node.ApplyCommand(&turn);
            node.ApplyCommand(&fade);
            const double turnTo = c.mode == 0 ? 30 : c.mode == 1 ? 0 : 120;
            for (int elapsed = 20; elapsed <= 100; elapsed += 20) {
                node.Update(20);
                double zx, zy, degrees, opacity;
                node.GetZoom(&zx, &zy);
                node.GetRotation(&degrees);
                node.GetOpacity(&opacity);
                SCOPED_TRACE(elapsed);
                EXPECT_NEAR(zx, Expected(2.0, c.zoomTo, elapsed, 80, e.easing), 1e-9);
                EXPECT_NEAR(zy, Expected(0.5, 1.5, elapsed, 80, e.easing), 1e-9);
                EXPECT_NEAR(degrees, Expected(30, turnTo, elapsed, 80, e.easing), 1e-9);
                EXPECT_NEAR(opacity, Expected(0.5, c.fadeTo, elapsed, 80, e.easing), 1e-9);
            }
            EXPECT_FALSE(node.IsAnimating(kAnimatorAny));
        }
    }
}

}  // namespace
