#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene/scene_node.h"
#include "test_nodes.h"

namespace {

using Log = std::vector<std::string>;

class Animators : public testing::Test {
protected:
    Log Take() {
        Log taken;
        taken.swap(log);
        return taken;
    }
    CLoggingAnimator Animator(int category, const std::string& label, unsigned duration) {
        return CLoggingAnimator(category, label, duration, log);
    }

    Log log;
    CSceneNode node{0, 0, 0};
};

TEST_F(Animators, ANewAnimatorReplacesTheRunningOneOfItsKind) {
    CLoggingAnimator first = Animator(kCategoryPositionAnimator, "first", 100);
    CLoggingAnimator second = Animator(kCategoryPositionAnimator, "second", 100);
    CLoggingAnimator zoom = Animator(kCategoryZoomAnimator, "zoom", 50);
    node.ApplyCommand(&first);
    EXPECT_EQ(Take(), (Log{"first start", "first step 0"}));
    node.ApplyCommand(&zoom);
    node.ApplyCommand(&second);
    EXPECT_EQ(Take(), (Log{"zoom start", "zoom step 0", "first delete", "second start",
                           "second step 0"}));
    node.Update(60);
    EXPECT_EQ(Take(), (Log{"second step 60", "zoom step 60", "zoom delete"}));
    EXPECT_TRUE(node.IsAnimating(kAnimatorPosition));
    EXPECT_FALSE(node.IsAnimating(kAnimatorZoom));
    node.Update(40);
    EXPECT_EQ(Take(), (Log{"second step 40", "second delete"}));
    EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
    node.Update(10);
    EXPECT_TRUE(Take().empty());
}

TEST_F(Animators, UpdateStepsPositionZoomOpacityRotationThenTheChildren) {
    auto* child = new CSceneNode(0, 0, 0);
    node.AddChild("Child", child);
    CLoggingAnimator childMove = Animator(kCategoryPositionAnimator, "child", 100);
    child->ApplyCommand(&childMove);
    for (ScriptCommandCategory category : {kCategoryRotationAnimator, kCategoryOpacityAnimator,
                                           kCategoryZoomAnimator, kCategoryPositionAnimator}) {
        CLoggingAnimator animator = Animator(category, std::to_string(category), 100);
        node.ApplyCommand(&animator);
    }
    Take();
    node.Update(5);
    EXPECT_EQ(Take(), (Log{"5 step 5", "4 step 5", "3 step 5", "6 step 5", "child step 5"}));
    node.Clear();
    EXPECT_EQ(Take(), (Log{"5 delete", "4 delete", "3 delete", "6 delete", "child delete"}));
}

TEST_F(Animators, NodeCommandsActAtOnceAndOtherCategoriesAreIgnored) {
    CHitOffCommand hitOff(log);
    node.ApplyCommand(&hitOff);
    EXPECT_EQ(Take(), (Log{"apply 1000"}));
    EXPECT_FALSE(node.IsHitEnabled());
    EXPECT_FALSE(node.IsAnimating(kAnimatorAny));
    for (int category : {int{kCategoryTransition}, int{kCategoryChipAction}, int{kCategoryStatement}, 99}) {
        CPlainCommand command(category);
        node.ApplyCommand(&command);
    }
    node.Request("", "OnClick");  // a plain node ignores messages
    EXPECT_FALSE(node.IsAnimating(kAnimatorAny));
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorAny), 0u);
}

TEST_F(Animators, AnimationQueriesCoverTheChildren) {
    auto* child = new CSceneNode(0, 0, 0);
    node.AddChild("Child", child);
    CLoggingAnimator fade = Animator(kCategoryOpacityAnimator, "fade", 300);
    CLoggingAnimator move = Animator(kCategoryPositionAnimator, "move", 100);
    child->ApplyCommand(&fade);
    node.ApplyCommand(&move);
    struct Case {
        int which;
        bool animating;
        unsigned left;
    };
    const std::vector<Case> cases = {
        {kAnimatorAny, true, 300},      {kAnimatorPosition, true, 100},
        {kAnimatorOpacity, true, 300},  {kAnimatorZoom, false, 0},
        {kAnimatorRotation, false, 0},  {0, false, 0},
        {kAnimatorScript, false, 0},    {7, false, 0},
    };
    for (const Case& c : cases) {
        const AnimatorSelector which = static_cast<AnimatorSelector>(c.which);
        EXPECT_EQ(node.IsAnimating(which), c.animating) << c.which;
        EXPECT_EQ(node.GetAnimationTimeLeft(which), c.left) << c.which;
    }
    EXPECT_TRUE(node.IsAnimatingAt("Child", kAnimatorOpacity));
    EXPECT_FALSE(node.IsAnimatingAt("Child", kAnimatorPosition));
    EXPECT_FALSE(node.IsAnimatingAt("Missing", kAnimatorAny));
    EXPECT_EQ(node.GetAnimationTimeLeftAt("*", kAnimatorAny), 300u);
    EXPECT_EQ(node.GetAnimationTimeLeftAt("Missing", kAnimatorAny), 0u);

    // Times compare unsigned: an endless animation is the largest.
    CLoggingAnimator endless = Animator(kCategoryRotationAnimator, "endless", 4294967295u);
    node.ApplyCommand(&endless);
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorAny), 4294967295u);
    EXPECT_EQ(node.GetAnimationTimeLeftAt("", kAnimatorRotation), 4294967295u);
}

TEST_F(Animators, ApplyCommandAtReachesEveryNodeOfThePath) {
    for (const char* name : {"A", "B"}) node.AddChild(name, new CSceneNode(0, 0, 0));
    CLoggingAnimator zoom = Animator(kCategoryZoomAnimator, "zoom", 10);
    node.ApplyCommandAt("*", &zoom);
    EXPECT_EQ(Take(), (Log{"zoom start", "zoom step 0", "zoom start", "zoom step 0"}));
    EXPECT_TRUE(node.IsAnimatingAt("B", kAnimatorZoom));
    EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
}

TEST(SceneNodeClone, CopiesTheNodeStateWithoutChildrenOrAnimators) {
    std::vector<std::string> log;
    CSceneNode prototype(3, 4, 7);
    prototype.SetOpacity(0.5);
    prototype.SetZoom(2, 3);
    prototype.SetRotation(30);
    prototype.SetHitEnabled(false);
    prototype.SetTimeScale(0.25);
    prototype.AddDirtyRect({1, 2, 3, 4});
    CLoggingAnimator move(kCategoryPositionAnimator, "move", 100, log);
    prototype.ApplyCommand(&move);
    std::unique_ptr<CNode> clone(prototype.Clone());
    EXPECT_EQ(clone->GetNodeKind(), kNodeKindScene);
    EXPECT_EQ(clone->GetZ(), 7);
    const CTransform2D& p = clone->GetPlacement();
    EXPECT_EQ((std::vector<double>{p.x, p.y, p.opacity, p.zoomX, p.zoomY, p.rotation}),
              (std::vector<double>{3, 4, 0.5, 2, 3, 30}));
    EXPECT_FALSE(clone->IsHitEnabled());
    EXPECT_EQ(clone->GetTimeScale(), 0.25);
    EXPECT_TRUE(clone->GetDirtyFlag());
    EXPECT_EQ(clone->GetDirtyRect().right, 3);
    EXPECT_FALSE(clone->IsAnimating(kAnimatorAny));
    EXPECT_TRUE(prototype.IsAnimating(kAnimatorAny));
}

TEST(SceneNodePlacement, SettersNormaliseAndSkipUnchangedValues) {
    CSceneNode node(0, 0, 0);
    node.SetOpacity(1.5);
    node.SetZoom(-1, 2);
    double opacity, zx, zy;
    node.GetOpacity(&opacity);
    node.GetZoom(&zx, &zy);
    EXPECT_EQ(opacity, 1.0);
    EXPECT_EQ(zx, 0.0);
    EXPECT_EQ(zy, 2.0);
    node.SetOpacity(-3);
    node.GetOpacity(&opacity);
    EXPECT_EQ(opacity, 0.0);
    node.CommitDirty();
    // Unchanged values record nothing.
    node.SetOpacity(0);
    node.SetZoom(0, 2);
    node.SetPosition(0, 0);
    node.SetRotation(0);
    EXPECT_FALSE(node.IsDirty());
    node.SetRotation(90);
    EXPECT_TRUE(node.IsDirty());
}

}  // namespace
