// "DrawEffect" and "DrawEffectEx": the record they compile to, the errors
// that stop the compilation, and a scene running them frame by frame on an
// image node and a colour node.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "../scene/test_pictures.h"
#include "graphics/memory_surface.h"
#include "platform/config.h"
#include "platform/easing.h"
#include "platform/global_state.h"
#include "platform/progress_counter.h"
#include "scene/color_node.h"
#include "scene/image_node.h"
#include "scene/node_kind.h"
#include "scene_fixtures.h"
#include "script/script_command_kind.h"
#include "script/scene_host.h"
#include "transitions/linear_wipes.h"
#include "transitions/screen_transition.h"
#include "transitions/transition_kinds.h"

namespace {

// The one record of a statement, checked as a screen transition.
const CScreenTransition* TransitionOf(const CScriptPage& page, const std::string& path) {
    if (page.Records().size() != 1u) {
        ADD_FAILURE() << page.Records().size() << " records";
        return nullptr;
    }
    const CStatementRecord& record = page.Records()[0];
    EXPECT_EQ(record.targetPath, path);
    EXPECT_EQ(record.command->GetCategory(), 2);
    EXPECT_EQ(record.command->GetKind(), 10006);
    return dynamic_cast<const CScreenTransition*>(record.command.get());
}

TEST(DrawEffectStatement, BuildsOneTransitionForTheNodePathWithLevelsDurationKindAndEasing) {
    EasingCurve acc2 = nullptr;
    ASSERT_TRUE(FindEasingCurve("Acc2", &acc2));
    EasingCurve dec3 = nullptr;
    ASSERT_TRUE(FindEasingCurve("Dec3", &dec3));
    const struct {
        const char* source;
        const char* path;
        unsigned duration;
        const char* kind;
        int start;
        int end;
        EasingCurve easing;
    } cases[] = {
        {R"(DrawEffect("pic", 1000, "LinearDown", 1000, 0);)", "pic", 1000, "LinearDown", 255, 0, nullptr},
        {R"(DrawEffect("a/b", 250, "Mosaic", 0, 500);)", "a/b", 250, "Mosaic", 0, 127, nullptr},
        {R"(DrawEffect("c", 0, "ShakeRect", 3, 4);)", "c", 0, "ShakeRect", 0, 1, nullptr},
        {R"(DrawEffectEx("c", 700, "CircleCenter", 1000, 0, Acc2);)", "c", 700, "CircleCenter", 255, 0, acc2},
        {R"(DrawEffectEx("x/y", 40, "WaveBump", 999, 1000, Dec3);)", "x/y", 40, "WaveBump", 254, 255, dec3},
        // An easing of no name is read as none.
        {R"(DrawEffectEx("d", 10, "TurnH", 0, 0, Bumpy);)", "d", 10, "TurnH", 0, 0, nullptr},
        // A negative duration is no duration, never the counter's endless
        // marker.
        {R"(DrawEffect("n", -1, "LinearDown", 1000, 0);)", "n", 0, "LinearDown", 255, 0, nullptr},
        {R"(DrawEffectEx("n", -2500, "Mosaic", 0, 1000, Acc2);)", "n", 0, "Mosaic", 0, 255, acc2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        CScriptUnit unit;
        CScriptCache classes;
        ASSERT_TRUE(CompiledClean(CompileGuarded(std::string("page Main { ") + c.source + " }", unit, classes)));
        const CScreenTransition* transition = TransitionOf(*unit.FindPage("Main"), c.path);
        ASSERT_NE(transition, nullptr);
        EXPECT_EQ(transition->Counter().GetDuration(), c.duration);
        EXPECT_EQ(transition->Counter().GetElapsed(), 0u);
        EXPECT_EQ(transition->Counter().GetEasing(), c.easing);
        EXPECT_EQ(transition->Routine(), LookupTransitionRoutine(c.kind));
        EXPECT_EQ(transition->StartLevel(), c.start);
        EXPECT_EQ(transition->EndLevel(), c.end);
    }
}

TEST(DrawEffectStatement, BadLevelsAndKindsStopTheCompilationAndMissingArgumentsAreSyntaxErrors) {
    const struct {
        const char* source;
        ErrorKind kind;
        int module;
        int place;
    } cases[] = {
        {R"(DrawEffect("p", 100, "LinearDown", 1001, 0);)", ErrorKind::Internal, 2012, 13},
        {R"(DrawEffect("p", 100, "LinearDown", 0, -1);)", ErrorKind::Internal, 2012, 13},
        {R"(DrawEffectEx("p", 100, "LinearDown", 0, 1001, Acc2);)", ErrorKind::Internal, 2012, 13},
        {R"(DrawEffect("p", 100, "linearup", 0, 1000);)", ErrorKind::Internal, 2012, 24},
        {R"(DrawEffectEx("p", 100, "Foo", 0, 1000, Linear);)", ErrorKind::Internal, 2012, 24},
        // The "Ex" form needs its easing, the plain form takes none.
        {R"(DrawEffectEx("p", 100, "LinearDown", 0, 1000);)", ErrorKind::Script, kModuleScriptCompiler, 99},
        {R"(DrawEffect("p", 100, "LinearDown", 0, 1000, Linear);)", ErrorKind::Script, kModuleScriptCompiler, 99},
    };
    for (const auto& c : cases) {
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + c.source + " }", unit, classes), c.kind,
                               c.module, c.place))
            << c.source;
    }
}

// The scenes: a picture 40 x 255 at (37, 23), so that LinearDown shows its
// rows L..254 at level L and every level draws its own image.
constexpr int kX = 37;
constexpr int kY = 23;
const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

// LinearDown 1000 -> 0 over 1000 ms, after each 100 ms step.
const int kLevelsIn[] = {230, 204, 179, 153, 128, 102, 77, 51, 26, 0};

class DrawEffectScene : public testing::Test {
protected:
    void SetUp() override {
        ClearRecordedErrors();
        useEffect_ = GetConfig().IsUseEffect();
        SetUseEffect(true);
        folder_.Pack("S", {{"wipe.bmp", BmpPictureFile(40, 255, PatternPixel)}});
        ASSERT_EQ(back_.Create(800, 600), 0);
    }
    void TearDown() override {
        SetUseEffect(useEffect_);
        EXPECT_TRUE(RecordedErrors().empty());
    }

    // Sets the setting; the notice it posts is handed to the scene host as
    // the main window would, or dropped.
    void SetUseEffect(bool on, bool deliver = false) {
        GetConfig().SetUseEffect(on);
        MSG message;
        while (PeekMessageA(&message, nullptr, kSettingChangedMessage, kSettingChangedMessage, PM_REMOVE)) {
            if (deliver) host_.HandleMessage(message.hwnd, message.message, message.wParam, message.lParam);
        }
    }

    // Opens the scene and draws its first frame, which is the bare canvas
    // for a transition that starts fully transitioned.
    CScene* Open(const std::string& text) {
        auto scene = SceneOfText(text);
        CScene* opened = scene.get();
        host_.AttachScene(std::move(scene));
        host_.Draw(back_, kIdentity, &kScreen);
        canvas_ = Copy(back_);
        return opened;
    }

    void Frame(int ms) {
        host_.BeginFrame();
        host_.Update(ms);
        host_.SetTransform(kIdentity);
        host_.Draw(back_, kIdentity, &kScreen);
    }

    static std::unique_ptr<CMemorySurface> Copy(const CMemorySurface& surface) {
        auto copy = std::make_unique<CMemorySurface>();
        EXPECT_EQ(copy->Create(800, 600), 0);
        std::copy(surface.GetPixels(), surface.GetPixels() + 800 * 600, copy->GetPixels());
        return copy;
    }

    // The canvas with LinearDown at the level over it.
    std::unique_ptr<CMemorySurface> Expected(const CMemorySurface* picture, const TransitionSize* size, int level,
                                             int code, uint32_t extra) const {
        auto expected = Copy(*canvas_);
        LinearDown(expected.get(), picture, kX, kY, size, nullptr, level, code, extra);
        return expected;
    }

    static testing::AssertionResult Same(const CMemorySurface& actual, const CMemorySurface& expected) {
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (actual.GetPixel(x, y) != expected.GetPixel(x, y))
                    return testing::AssertionFailure() << "differs at " << x << ", " << y << ": " << std::hex
                                                       << actual.GetPixel(x, y) << " for "
                                                       << expected.GetPixel(x, y);
            }
        }
        return testing::AssertionSuccess();
    }

    CPictureFolder folder_;
    CSceneHost host_;
    CMemorySurface back_;
    std::unique_ptr<CMemorySurface> canvas_;
    bool useEffect_ = true;
};

TEST_F(DrawEffectScene, AnImageNodeIsWipedInFrameByFrameAndItsEffectRunsForTheDuration) {
    CScene* scene = Open(R"(page Main { )"
                         R"(CreateImage("pic", 0, 37, 23, "wipe.bmp"); )"
                         R"(DrawEffect("pic", 1000, "LinearDown", 1000, 0); )"
                         R"(} )");
    auto* node = dynamic_cast<CImageNode*>(scene->GetRootNode()->FindNode("pic"));
    ASSERT_NE(node, nullptr);
    const CMemorySurface* picture = node->GetSurface();
    ASSERT_NE(picture, nullptr);
    // Nothing of the picture at level 255: the canvas is white throughout.
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(canvas_->GetPixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(node->IsAnimating(kAnimatorScript));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorScript), 1000u);

    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        Frame(100);
        EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, kLevelsIn[step - 1], 100, 255)));
        EXPECT_EQ(node->IsAnimating(kAnimatorScript), step < 10);
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorScript), 1000u - 100u * step);
    }
    // It stays at the end level: the whole picture.
    Frame(100);
    EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 0, 100, 255)));
}

TEST_F(DrawEffectScene, AColourNodeAtHalfOpacityTakesTheWeightedFillAndEasedLevels) {
    CScene* scene = Open(R"(page Main { )"
                         R"(CreateColor("box", 0, 37, 23, 40, 30, #C04020); )"
                         R"(DrawEffectEx("box", 1000, "LinearDown", 1000, 0, Acc2); )"
                         R"(} )");
    auto* node = dynamic_cast<CColorNode*>(scene->GetRootNode()->FindNode("box"));
    ASSERT_NE(node, nullptr);
    node->SetOpacity(0.5);
    EasingCurve acc2 = nullptr;
    ASSERT_TRUE(FindEasingCurve("Acc2", &acc2));
    CProgressCounter eased;
    eased.Set(1000, acc2);
    const TransitionSize size = {40, 30};
    const uint32_t extra = 0x7FC04020;
    bool curved = false;
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        Frame(100);
        eased.Advance(100);
        const int level = eased.LerpInt(255, 0);
        curved = curved || level != kLevelsIn[step - 1];
        EXPECT_TRUE(Same(back_, *Expected(nullptr, &size, level, 1101, extra)));
    }
    EXPECT_TRUE(curved);
}

TEST_F(DrawEffectScene, RunningTheStatementAgainStartsFromTheStartLevel) {
    CScene* scene = Open(R"(page Main { )"
                         R"(CreateImage("pic", 0, 37, 23, "wipe.bmp"); )"
                         R"(label Again; )"
                         R"(DrawEffect("pic", 1000, "LinearDown", 1000, 0); )"
                         R"(wait 300; )"
                         R"(goto Again; )"
                         R"(} )");
    CNode* node = scene->GetRootNode()->FindNode("pic");
    ASSERT_NE(node, nullptr);
    const CMemorySurface* picture = static_cast<CImageNode*>(node)->GetSurface();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Frame(100);
        EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 230, 100, 255)));
        Frame(100);
        EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 204, 100, 255)));
        // The wait ends in this frame and the statement runs again.
        Frame(100);
        EXPECT_TRUE(Same(back_, *canvas_));
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorScript), 1000u);
    }
}

TEST_F(DrawEffectScene, ANegativeDurationEndsAtOnceAndItsWaitEffectReturnsInTheFirstFrame) {
    CScene* scene = Open(R"(page Main { )"
                         R"(CreateImage("pic", 0, 37, 23, "wipe.bmp"); )"
                         R"(DrawEffect("pic", -1, "LinearDown", 1000, 0); )"
                         R"(WaitEffect("pic"); )"
                         R"(CreateColor("after", 0, 0, 0, 8, 8, #102030); )"
                         R"(} )");
    CNode* node = scene->GetRootNode()->FindNode("pic");
    ASSERT_NE(node, nullptr);
    Frame(17);
    EXPECT_FALSE(node->IsAnimating(kAnimatorScript));
    EXPECT_NE(scene->GetRootNode()->FindNode("after"), nullptr);
}

TEST_F(DrawEffectScene, TurningEffectsOffRedrawsTheWholePictureAtTheNextFrame) {
    CScene* scene = Open(R"(page Main { )"
                         R"(CreateImage("pic", 0, 37, 23, "wipe.bmp"); )"
                         R"(DrawEffect("pic", 1000, "LinearDown", 1000, 0); )"
                         R"(} )");
    const CMemorySurface* picture =
        static_cast<CImageNode*>(scene->GetRootNode()->FindNode("pic"))->GetSurface();
    for (int step = 0; step < 5; ++step) Frame(100);
    EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 128, 100, 255)));
    SetUseEffect(false, true);
    // The level stays where it is; only the setting's notice asks for it.
    Frame(0);
    EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 0, 100, 255)));
    SetUseEffect(true, true);
    Frame(0);
    EXPECT_TRUE(Same(back_, *Expected(picture, nullptr, 128, 100, 255)));
}

}  // namespace
