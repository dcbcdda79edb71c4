// The transition command as a node runs it: levels, redraw requests, drawing
// with effects on and off, seeds, bounds, its errors and its registration
// with the holder's host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/config.h"
#include "platform/global_state.h"
#include "recording_script_host.h"
#include "scene/scene_node.h"
#include "support/error_recorder.h"
#include "surface_contents.h"
#include "transition_harness.h"
#include "transitions/linear_wipes.h"
#include "transitions/screen_transition.h"
#include "transitions/transition_kinds.h"

namespace {

// Sets the IsUseEffect setting for a test and puts the old value back. The
// notices the setter posts to the thread are taken off its queue.
class CUseEffectSetting {
public:
    explicit CUseEffectSetting(bool on) : old_(GetConfig().IsUseEffect()) { Set(on); }
    ~CUseEffectSetting() { Set(old_); }
    CUseEffectSetting(const CUseEffectSetting&) = delete;
    CUseEffectSetting& operator=(const CUseEffectSetting&) = delete;

    static void Set(bool on) {
        GetConfig().SetUseEffect(on);
        MSG message;
        while (PeekMessageA(&message, nullptr, kSettingChangedMessage, kSettingChangedMessage,
                            PM_REMOVE)) {
        }
    }

private:
    bool old_;
};

// LinearDown at level L on a picture 255 rows high shows the rows L..254, so
// every level draws its own image.
constexpr int kPictureWidth = 24;
constexpr int kPictureHeight = 255;

class ScreenTransitionCommand : public testing::Test {
protected:
    ScreenTransitionCommand()
        : picture_(MakeCodedPicture(kPictureWidth, kPictureHeight)),
          placement_(kPictureX, kPictureY, 1.0, 1.0, 1.0, 0.0) {
        holder_.SetOwner(&host_);
        holder_.CommitDirty();
    }

    // Whether the holder was marked dirty since the last look.
    bool TakeRedraw() {
        const bool dirty = holder_.IsDirty();
        holder_.CommitDirty();
        return dirty;
    }

    // What the transition draws of the coded picture onto a sentinel
    // destination.
    std::vector<Color32> Drawn(CScreenTransition& transition) {
        auto destination = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        transition.Draw(destination.get(), &placement_, 255, picture_.get(), nullptr, nullptr, 100);
        return PixelsOf(*destination);
    }

    // What LinearDown draws at the level; null for nothing at all.
    std::vector<Color32> LinearDownAt(int level) {
        auto destination = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        RunAtPicturePlace(&LinearDown, *destination, picture_.get(), nullptr, nullptr, level, 100,
                          255);
        return PixelsOf(*destination);
    }

    std::vector<Color32> Whole() { return LinearDownAt(0); }
    std::vector<Color32> Nothing() { return LinearDownAt(255); }

    CRecordingScriptHost host_;
    CSceneNode holder_{0, 0, 0};
    std::unique_ptr<CMemorySurface> picture_;
    const CTransform2D placement_;
};

TEST_F(ScreenTransitionCommand, ScriptLevelsBecomeTransitionLevelsTruncated) {
    const CUseEffectSetting effects(true);
    const struct {
        int scriptLevel;
        int level;
    } cases[] = {{0, 0}, {3, 0}, {4, 1}, {500, 127}, {1000, 255}};
    for (const auto& c : cases) {
        CScreenTransition transition(1000, "LinearDown", c.scriptLevel, c.scriptLevel, nullptr);
        transition.Start(&holder_);
        EXPECT_TRUE(Drawn(transition) == LinearDownAt(c.level)) << c.scriptLevel;
        EXPECT_EQ(transition.IsFullyShown(), c.level == 0) << c.scriptLevel;
    }
    // The neighbouring levels draw differently, so the comparison tells them apart.
    EXPECT_FALSE(LinearDownAt(127) == LinearDownAt(128));
    EXPECT_FALSE(LinearDownAt(0) == LinearDownAt(1));
}

TEST_F(ScreenTransitionCommand, BadLevelsKindNamesAndDrawsWithoutASizeAreInternalErrors) {
    const struct {
        int start;
        int end;
        const char* kind;
        int place;
    } cases[] = {
        {-1, 0, "LinearDown", 13},   {0, -1, "LinearDown", 13},  {1001, 0, "LinearDown", 13},
        {0, 1001, "LinearDown", 13}, {-1, 0, "Foo", 13},         {0, 1000, "linearup", 24},
        {0, 1000, "Foo", 24},        {1000, 0, "LinearUp ", 24}, {0, 0, "", 24},
    };
    for (const auto& c : cases) {
        ClearRecordedErrors();
        EXPECT_THROW(CScreenTransition(100, c.kind, c.start, c.end, nullptr), CInternalError)
            << c.start << " " << c.end << " " << c.kind;
        ASSERT_EQ(RecordedErrors().size(), 1u) << c.kind;
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 2012);
        EXPECT_EQ(RecordedErrors()[0].place, c.place) << c.start << " " << c.end << " " << c.kind;
    }

    ClearRecordedErrors();
    CScreenTransition transition(100, "LinearUp", 0, 1000, nullptr);
    CScreenTransition(100, "LinearDown", 1000, 0, nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
    transition.Start(&holder_);
    auto destination = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
    EXPECT_THROW(
        transition.Draw(destination.get(), &placement_, 255, nullptr, nullptr, nullptr, 100),
        CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, 2012);
    EXPECT_EQ(RecordedErrors()[0].place, 146);
}

// LinearDown over 1000 ms in steps of 100 ms: the levels after each step,
// rounded half away from zero.
const int kLevelsIn[] = {230, 204, 179, 153, 128, 102, 77, 51, 26, 0};     // 1000 -> 0
const int kLevelsOut[] = {26, 51, 77, 102, 128, 153, 179, 204, 230, 255};  // 0 -> 1000

struct StepRun {
    const char* name;
    int start;
    int end;
    const int* levels;
    bool useEffect;
    // The steps (1..10) after which a redraw is asked for; Start always asks.
    std::vector<int> redrawSteps;
};

TEST_F(ScreenTransitionCommand, RedrawsEachNewLevelWithEffectsOnAndOnlyTheChangesWithoutThem) {
    const StepRun runs[] = {
        {"in, effects on", 1000, 0, kLevelsIn, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"out, effects on", 0, 1000, kLevelsOut, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        // Leaving 255 at the first step, and the end.
        {"in, effects off", 1000, 0, kLevelsIn, false, {1, 10}},
        // Reaching 255, which is the end.
        {"out, effects off", 0, 1000, kLevelsOut, false, {10}},
    };
    for (const StepRun& run : runs) {
        SCOPED_TRACE(run.name);
        const CUseEffectSetting effects(run.useEffect);
        CScreenTransition transition(1000, "LinearDown", run.start, run.end, nullptr);
        holder_.CommitDirty();
        transition.Start(&holder_);
        EXPECT_TRUE(TakeRedraw());
        const int startLevel = run.start * 255 / 1000;
        if (run.useEffect)
            EXPECT_TRUE(Drawn(transition) == LinearDownAt(startLevel));
        else
            EXPECT_TRUE(Drawn(transition) == (startLevel < 255 ? Whole() : Nothing()));

        for (int step = 1; step <= 10; ++step) {
            const int seed = transition.GetSeed();
            EXPECT_TRUE(transition.IsRunning()) << step;
            EXPECT_EQ(transition.GetTimeLeft(), 1000u - 100u * (step - 1)) << step;
            transition.Update(100);
            const int level = run.levels[step - 1];
            const bool redraw = std::find(run.redrawSteps.begin(), run.redrawSteps.end(), step) !=
                                run.redrawSteps.end();
            EXPECT_EQ(TakeRedraw(), redraw) << step;
            EXPECT_EQ(transition.GetSeed() - seed, redraw ? 1 : 0) << step;
            if (run.useEffect)
                EXPECT_TRUE(Drawn(transition) == LinearDownAt(level)) << step;
            else
                EXPECT_TRUE(Drawn(transition) == (level < 255 ? Whole() : Nothing())) << step;
            EXPECT_EQ(transition.IsFullyShown(), level == 0) << step;
        }
        // It stays at the end level and asks for nothing more.
        EXPECT_FALSE(transition.IsRunning());
        EXPECT_EQ(transition.GetTimeLeft(), 0u);
        transition.Update(100);
        EXPECT_FALSE(TakeRedraw());
    }
}

TEST_F(ScreenTransitionCommand, ADurationOfZeroShowsTheEndLevelAtOnce) {
    const CUseEffectSetting effects(true);
    CScreenTransition in(0, "LinearDown", 1000, 0, nullptr);
    EXPECT_FALSE(in.IsRunning());
    EXPECT_EQ(in.GetTimeLeft(), 0u);
    EXPECT_TRUE(in.IsFullyShown());
    in.Start(&holder_);
    EXPECT_TRUE(TakeRedraw());
    EXPECT_TRUE(Drawn(in) == Whole());
    in.Update(0);
    EXPECT_TRUE(TakeRedraw());
    EXPECT_TRUE(Drawn(in) == Whole());

    CScreenTransition out(0, "LinearDown", 0, 1000, nullptr);
    EXPECT_FALSE(out.IsFullyShown());
    out.Start(&holder_);
    out.Update(17);
    EXPECT_TRUE(Drawn(out) == Nothing());
}

TEST_F(ScreenTransitionCommand, SeedComesFromRandAtStartAndMovesOnWithEveryRedraw) {
    const CUseEffectSetting effects(true);
    std::srand(4321);
    const int first = std::rand();
    const int second = std::rand();

    CScreenTransition transition(1000, "LinearDown", 1000, 0, nullptr);
    std::srand(4321);
    transition.Start(&holder_);
    EXPECT_EQ(transition.GetSeed(), first + 1);
    EXPECT_EQ(std::rand(), second);

    transition.Redraw();
    EXPECT_EQ(transition.GetSeed(), first + 2);
    transition.Update(100);
    EXPECT_EQ(transition.GetSeed(), first + 3);

    // A kind without a random pattern neither seeds nor draws from the
    // generator while it updates and draws.
    std::srand(4321);
    std::rand();
    transition.Update(100);
    Drawn(transition);
    EXPECT_EQ(std::rand(), second);
}

TEST_F(ScreenTransitionCommand, DrawHandsTheRoutineThePlacedCornerTheClipAndTheColourRoad) {
    const CUseEffectSetting effects(true);
    CScreenTransition transition(1000, "LinearDown", 500, 500, nullptr);
    transition.Start(&holder_);
    // The corner is placed as the node's rectangle is, rounding half away
    // from zero, so these land on the harness's place.
    const CTransform2D halfway(kPictureX - 0.5, kPictureY - 0.5, 1.0, 1.0, 1.0, 0.0);
    const RECT clip = {kPictureX + 3, kPictureY + 100, kPictureX + 17, kPictureY + 200};
    const TransitionSize size = {kPictureWidth, kPictureHeight};
    for (const RECT* cell : {static_cast<const RECT*>(nullptr), &clip}) {
        auto drawn = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        auto expected = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        transition.Draw(drawn.get(), &halfway, 255, picture_.get(), nullptr, cell, 100);
        RunAtPicturePlace(&LinearDown, *expected, picture_.get(), nullptr, cell, 127, 100, 255);
        EXPECT_TRUE(SameImage(*drawn, PixelsOf(*expected)));

        auto filled = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        auto expectedFill = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        transition.Draw(filled.get(), &halfway, 0xFF123456, nullptr, &size, cell, 1100);
        RunAtPicturePlace(&LinearDown, *expectedFill, nullptr, &size, cell, 127, 1100, 0xFF123456);
        EXPECT_TRUE(SameImage(*filled, PixelsOf(*expectedFill)));
        EXPECT_FALSE(PixelsOf(*filled) == Nothing());
    }
}

TEST_F(ScreenTransitionCommand, BoundsArePlacedByThePlacement) {
    CScreenTransition transition(1000, "LinearDown", 1000, 0, nullptr);
    const auto picture = MakeSurface(800, 600, 0);
    for (bool started : {false, true}) {
        if (started) transition.Start(&holder_);
        RECT bounds = {};
        transition.GetBounds(&bounds, &placement_, 800, 600);
        EXPECT_EQ(bounds.left, 37);
        EXPECT_EQ(bounds.top, 23);
        EXPECT_EQ(bounds.right, 837);
        EXPECT_EQ(bounds.bottom, 623);
        RECT surfaceBounds = {};
        transition.GetSurfaceBounds(&surfaceBounds, &placement_, picture.get());
        EXPECT_TRUE(EqualRect(&surfaceBounds, &bounds));
        transition.GetSurfaceBounds(&surfaceBounds, &placement_, nullptr);
        EXPECT_TRUE(IsRectEmpty(&surfaceBounds));
    }
}

TEST_F(ScreenTransitionCommand, StartListensToTheHoldersHostAndStopOrDeletionEndsIt) {
    auto transition = std::make_unique<CScreenTransition>(1000, "LinearDown", 1000, 0, nullptr);
    CMessageListener* const listener = transition.get();
    EXPECT_TRUE(host_.Listeners().empty());

    transition->Start(&holder_);
    EXPECT_EQ(host_.Listeners(), std::vector<CMessageListener*>{listener});
    // Starting again stops first, so the transition is listed once.
    transition->Start(&holder_);
    EXPECT_EQ(host_.Listeners(), std::vector<CMessageListener*>{listener});
    EXPECT_EQ(host_.RemoveCount(), 1);

    transition->Stop();
    EXPECT_TRUE(host_.Listeners().empty());
    transition->Stop();
    EXPECT_EQ(host_.RemoveCount(), 2);

    transition->Start(&holder_);
    EXPECT_EQ(host_.AddCount(), 3);
    transition.reset();
    EXPECT_TRUE(host_.Listeners().empty());
    EXPECT_EQ(host_.RemoveCount(), 3);

    // One that never started leaves the host alone when deleted.
    std::make_unique<CScreenTransition>(1000, "LinearDown", 1000, 0, nullptr).reset();
    EXPECT_EQ(host_.RemoveCount(), 3);

    // A holder outside any host: nothing to register with.
    CSceneNode loose(0, 0, 0);
    CScreenTransition unhosted(1000, "LinearDown", 1000, 0, nullptr);
    unhosted.Start(&loose);
    EXPECT_TRUE(loose.IsDirty());
    unhosted.Stop();
    EXPECT_EQ(host_.AddCount(), 3);
}

TEST_F(ScreenTransitionCommand, AChangeOfTheUseEffectSettingRedrawsOnce) {
    CScreenTransition transition(1000, "LinearDown", 1000, 0, nullptr);
    transition.Start(&holder_);
    ASSERT_EQ(host_.Listeners().size(), 1u);
    CMessageListener* const listener = host_.Listeners()[0];
    TakeRedraw();
    const int seed = transition.GetSeed();

    EXPECT_EQ(listener->HandleMessage(nullptr, WM_USER + 1, 15, 0), 0);
    EXPECT_TRUE(TakeRedraw());
    EXPECT_EQ(transition.GetSeed(), seed + 1);

    const struct {
        UINT message;
        WPARAM wParam;
    } others[] = {{WM_USER + 1, 14}, {WM_USER + 1, 16}, {WM_USER + 2, 15}, {WM_PAINT, 15}};
    for (const auto& other : others) {
        EXPECT_EQ(listener->HandleMessage(nullptr, other.message, other.wParam, 1), 0);
        EXPECT_FALSE(TakeRedraw()) << other.message << " " << other.wParam;
    }
    EXPECT_EQ(transition.GetSeed(), seed + 1);
}

TEST_F(ScreenTransitionCommand, CloneCarriesProgressLevelsEasingAndKindButIsNotStarted) {
    const CUseEffectSetting effects(true);
    EasingCurve acc2 = nullptr;
    ASSERT_TRUE(FindEasingCurve("Acc2", &acc2));
    CSceneNode other(0, 0, 0);
    other.SetOwner(&host_);
    CScreenTransition original(1000, "LinearDown", 1000, 0, acc2);
    original.Start(&holder_);
    original.Update(300);

    std::unique_ptr<CScreenTransition> clone(original.Clone());
    EXPECT_EQ(clone->GetCategory(), 2);
    EXPECT_EQ(clone->GetKind(), 10006);
    EXPECT_EQ(clone->GetTimeLeft(), 700u);
    EXPECT_TRUE(clone->IsRunning());
    EXPECT_EQ(host_.Listeners().size(), 1u);
    TakeRedraw();
    // The curve matters at this point: straight progress is elsewhere.
    CScreenTransition straight(1000, "LinearDown", 1000, 0, nullptr);
    straight.Update(300);
    EXPECT_FALSE(Drawn(*clone) == Drawn(straight));

    clone->Start(&other);
    EXPECT_EQ(host_.Listeners().size(), 2u);
    EXPECT_FALSE(TakeRedraw());
    EXPECT_TRUE(other.IsDirty());
    for (int step = 0; step < 4; ++step) {
        EXPECT_TRUE(Drawn(*clone) == Drawn(original)) << step;
        clone->Update(200);
        original.Update(200);
    }
    clone.reset();
    EXPECT_EQ(host_.Listeners().size(), 1u);
}

// The kinds by what the command does with them; every other kind draws
// inside the picture, has no random pattern and is drawn whole with effects
// off only below 255.
const char* const kDrawOutside[] = {
    "ShakeHLine", "ShakeVLine", "ShakeRect", "ScratchDown", "ScratchUp", "ScratchLeft",
    "ScratchRight", "FatH", "FatV", "Wave", "WaveSmall", "WaveBump", "TensileLeft",
    "TensileRight", "TensileDown", "TensileUp",
};
const char* const kRenewedBetweenEnds[] = {
    "ScratchDown", "ScratchUp", "ScratchLeft", "ScratchRight", "ShaveAll", "ShaveDown",
    "ShaveUp", "ShaveLeft", "ShaveRight", "ShaveCircle", "ShaveHole", "DitherRandom",
};
const char* const kRenewedUnlessShown[] = {"ShakeHLine", "ShakeVLine", "ShakeRect"};
const char* const kWholeAtEveryLevel[] = {"TurnH", "TurnV", "Mosaic"};

template <size_t N>
bool Listed(const char* const (&names)[N], const std::string& name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The smallest script level that gives the transition level.
int ScriptLevelOf(int level) { return (level * 1000 + 254) / 255; }

// A transition that stays at the level, started on the holder.
std::unique_ptr<CScreenTransition> StartedAt(const std::string& kind, int level,
                                             CSceneNode& holder) {
    auto transition = std::make_unique<CScreenTransition>(1000, kind, ScriptLevelOf(level),
                                                          ScriptLevelOf(level), nullptr);
    transition->Start(&holder);
    return transition;
}

TEST_F(ScreenTransitionCommand, StartClassifiesEveryKindForItsBoundsAndRedraws) {
    const CUseEffectSetting effects(true);
    const RECT whole = {-32768, -32768, 32768, 32768};
    const RECT placed = {kPictureX, kPictureY, kPictureX + kPictureWidth,
                         kPictureY + kPictureHeight};
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        const std::string name = kind->name;
        SCOPED_TRACE(name);
        const bool outside = Listed(kDrawOutside, name);
        const int randomMode =
            Listed(kRenewedUnlessShown, name) ? 2 : Listed(kRenewedBetweenEnds, name) ? 1 : 0;

        // Bounds: the whole plane while a kind that draws outside shows any
        // effect, the picture's place once it is at level 0 and for the rest.
        CScreenTransition running(1000, name, 500, 0, nullptr);
        RECT bounds = {};
        running.GetBounds(&bounds, &placement_, kPictureWidth, kPictureHeight);
        EXPECT_TRUE(EqualRect(&bounds, &placed)) << "classified before Start";
        running.Start(&holder_);
        running.GetBounds(&bounds, &placement_, kPictureWidth, kPictureHeight);
        EXPECT_TRUE(EqualRect(&bounds, outside ? &whole : &placed));
        RECT surfaceBounds = {};
        running.GetSurfaceBounds(&surfaceBounds, &placement_, picture_.get());
        EXPECT_TRUE(EqualRect(&surfaceBounds, &bounds));

        // Redraws per update: one for a new level, one more for a pattern
        // renewed while the level lies strictly between 0 and 255 (mode 1)
        // or is not 0 (mode 2).
        int seed = running.GetSeed();
        running.Update(100);
        EXPECT_EQ(running.GetSeed() - seed, randomMode ? 2 : 1) << "level 102";
        running.Update(900);
        running.GetBounds(&bounds, &placement_, kPictureWidth, kPictureHeight);
        EXPECT_TRUE(EqualRect(&bounds, &placed)) << "at level 0";
        seed = running.GetSeed();
        running.Update(100);
        EXPECT_EQ(running.GetSeed(), seed) << "level 0";

        auto gone = StartedAt(name, 255, holder_);
        gone->GetBounds(&bounds, &placement_, kPictureWidth, kPictureHeight);
        EXPECT_TRUE(EqualRect(&bounds, outside ? &whole : &placed));
        seed = gone->GetSeed();
        gone->Update(100);
        EXPECT_EQ(gone->GetSeed() - seed, randomMode == 2 ? 1 : 0) << "level 255";
    }
}

TEST_F(ScreenTransitionCommand, WithEffectsOffEveryKindShowsWholeOrNotAtAll) {
    const CUseEffectSetting effects(false);
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        const std::string name = kind->name;
        const bool everyLevel = Listed(kWholeAtEveryLevel, name) || Listed(kDrawOutside, name);
        for (int level : {0, 1, 128, 254, 255}) {
            SCOPED_TRACE(name + " at " + std::to_string(level));
            auto transition = StartedAt(name, level, holder_);
            const std::vector<Color32> drawn = Drawn(*transition);
            auto expected = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
            if (everyLevel || level < 255) {
                std::srand(static_cast<unsigned>(transition->GetSeed()));
                RunAtPicturePlace(kind->routine, *expected, picture_.get(), nullptr, nullptr, 0,
                                  100, 255);
            }
            EXPECT_TRUE(drawn == PixelsOf(*expected));
        }
    }
    // The whole picture, that is, for the kinds that have no effect at 0.
    for (const char* name : {"TurnH", "TurnV", "Mosaic", "FatH", "TensileUp", "DitherHatch"}) {
        auto transition = StartedAt(name, name == std::string("DitherHatch") ? 254 : 255, holder_);
        EXPECT_TRUE(Drawn(*transition) == Whole()) << name;
    }
}

// The kind's routine at the level over the sentinel after srand(seed): what
// a draw must give with effects on.
std::vector<Color32> RandomKindAt(TransitionRoutine routine, const CMemorySurface* picture,
                                  int seed, int level) {
    auto destination = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
    std::srand(static_cast<unsigned>(seed));
    RunAtPicturePlace(routine, *destination, picture, nullptr, nullptr, level, 100, 255);
    return PixelsOf(*destination);
}

TEST_F(ScreenTransitionCommand, RandomPatternsAreRenewedByTheirModeAndSeededByEveryDraw) {
    const CUseEffectSetting effects(true);
    const struct {
        const char* kind;
        int level;
        bool renewed;
    } cases[] = {
        {"ShakeHLine", 255, true},  {"ShakeHLine", 128, true},  {"ShakeRect", 64, true},
        {"ShakeVLine", 0, false},   {"ShaveAll", 255, false},   {"ShaveAll", 128, true},
        {"DitherRandom", 1, true},  {"DitherRandom", 200, true}, {"DitherRandom", 0, false},
        {"DitherRandom", 255, false}, {"ScratchUp", 128, true}, {"ScratchUp", 255, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " at " + std::to_string(c.level));
        const TransitionRoutine routine = LookupTransitionRoutine(c.kind);
        auto transition = StartedAt(c.kind, c.level, holder_);
        TakeRedraw();
        std::vector<Color32> previous = Drawn(*transition);
        bool changed = false;
        for (int update = 0; update < 4; ++update) {
            const int seed = transition->GetSeed();
            transition->Update(16);
            EXPECT_EQ(TakeRedraw(), c.renewed) << update;
            EXPECT_EQ(transition->GetSeed() - seed, c.renewed ? 1 : 0) << update;
            // Two draws between redraws give the same pattern, the one of
            // the seed.
            const std::vector<Color32> drawn = Drawn(*transition);
            EXPECT_TRUE(drawn == Drawn(*transition)) << update;
            EXPECT_TRUE(drawn == RandomKindAt(routine, picture_.get(), transition->GetSeed(),
                                              c.level))
                << update;
            changed = changed || drawn != previous;
            previous = drawn;
        }
        // A new seed shows a new pattern where the level has one.
        EXPECT_EQ(changed, c.renewed);
    }
}

TEST_F(ScreenTransitionCommand, EveryCellOfOneFrameSeesTheSamePattern) {
    const CUseEffectSetting effects(true);
    for (const char* kind : {"ShaveAll", "ShakeRect", "ShakeHLine"}) {
        SCOPED_TRACE(kind);
        auto transition = StartedAt(kind, 128, holder_);
        const std::vector<Color32> whole = Drawn(*transition);
        auto cells = MakeDestination(kPictureWidth, kPictureHeight, kSentinel);
        int width = 0;
        int height = 0;
        cells->GetSize(width, height);
        for (int top = 0; top < height; top += 40) {
            for (int left = 0; left < width; left += 16) {
                const RECT cell = {left, top, left + 16, top + 40};
                // The generator moves on between the cells, as other drawing would.
                std::rand();
                transition->Draw(cells.get(), &placement_, 255, picture_.get(), nullptr, &cell,
                                 100);
            }
        }
        EXPECT_TRUE(PixelsOf(*cells) == whole);
    }
}

}  // namespace
