#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "script/jump_statement.h"
#include "script/script_executor.h"
#include "script_fixtures.h"

namespace {

class ScriptExecutorTest : public testing::Test {
protected:
    void SetUp() override {
        unit_.AddPage("P", MarkerPage(0, 10));
        unit_.AddPage("X", MarkerPage(100, 3));
        unit_.AddPage("Y", MarkerPage(200, 2));
    }

    // The kinds of count steps; -1 for each step that handed out nothing.
    std::vector<int> Steps(CScriptExecutor& executor, int count) {
        std::vector<int> kinds;
        for (int i = 0; i < count; ++i) kinds.push_back(KindOf(executor.StepInUnit(unit_, scripts_, classes_)));
        return kinds;
    }

    CScriptUnit unit_;
    CScriptCache scripts_, classes_;
};

TEST_F(ScriptExecutorTest, APageRunsToItsEndAndFinishes) {
    CScriptExecutor executor;
    unit_.AddPage("Three", MarkerPage(0, 3));
    executor.FarCall("", "Three");
    EXPECT_EQ(Steps(executor, 4), (std::vector<int>{0, 1, 2, -1}));
    EXPECT_TRUE(executor.IsFinished());
    EXPECT_EQ(executor.GetWait(), 0);
    // Finished is final until the next FarCall, whatever the wait counter says.
    EXPECT_EQ(Steps(executor, 1), (std::vector<int>{-1}));
    executor.FarCall("", "Y");
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{200, 201, -1}));
}

TEST_F(ScriptExecutorTest, AnIdleExecutorFinishesAtItsFirstStep) {
    CScriptExecutor executor;
    EXPECT_FALSE(executor.IsFinished());
    EXPECT_EQ(executor.StepInUnit(unit_, scripts_, classes_), nullptr);
    EXPECT_TRUE(executor.IsFinished());
}

TEST_F(ScriptExecutorTest, CallsReturnBehindTheCallInTheStepThatEndsTheCallee) {
    CScriptExecutor executor;
    executor.FarCall("", "P");
    EXPECT_EQ(Steps(executor, 5), (std::vector<int>{0, 1, 2, 3, 4}));
    executor.Call("X");  // as the statement at index 4 would
    EXPECT_EQ(Steps(executor, 4), (std::vector<int>{100, 101, 102, 5}));
    // A nested call and an explicit return.
    executor.Call("X");
    EXPECT_EQ(Steps(executor, 1), (std::vector<int>{100}));
    executor.Call("Y");
    executor.Return();
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{101, 102, 6}));
    // Shift stays in the frame: nothing is pushed, so the end of Y ends it all.
    executor.Shift("Y");
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{200, 201, -1}));
    EXPECT_TRUE(executor.IsFinished());
}

TEST_F(ScriptExecutorTest, ReturnFromTheOutermostPageFinishes) {
    CScriptExecutor executor;
    executor.FarCall("", "P");
    executor.StepInUnit(unit_, scripts_, classes_);
    // Back to the empty entry that the first FarCall saved: nothing is left.
    executor.Return();
    EXPECT_EQ(executor.StepInUnit(unit_, scripts_, classes_), nullptr);
    EXPECT_TRUE(executor.IsFinished());
    // With the stack empty, Return is Clear.
    executor.IncreaseWait(50);
    executor.Return();
    EXPECT_TRUE(executor.IsFinished());
    EXPECT_EQ(executor.GetWait(), 0);
}

TEST_F(ScriptExecutorTest, AFarCallFromNothingFinishesWhenItsPageEnds) {
    CScriptExecutor executor;
    executor.FarCall("", "Y");  // saves an empty entry
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{200, 201, -1}));
    EXPECT_TRUE(executor.IsFinished());
}

TEST_F(ScriptExecutorTest, JumpsWrapTheIndexAtSixteenBits) {
    struct Case {
        int start;        // statements handed out before the jump
        int target;
        bool relative;
        int next;         // the statement handed out after it
    };
    const Case cases[] = {
        {10, 65533, true, 7},   // a backward jump of three
        {10, -3, true, 7},      // the same distance as a negative target
        {2, 3, true, 5},
        {2, 0, true, 2},
        {9, 4, false, 4},
        {3, 65536 + 6, false, 6},  // only the low 16 bits count
        {3, -65536 + 1, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.target << " " << c.relative);
        CScriptExecutor executor;
        executor.FarCall("", "P");
        Steps(executor, c.start);
        CJumpStatement jump(c.target, c.relative);
        executor.Execute(&jump);
        EXPECT_EQ(KindOf(executor.StepInUnit(unit_, scripts_, classes_)), c.next);
    }
}

TEST_F(ScriptExecutorTest, AJumpRevivesAFinishedFrameAndAnIndexPastTheEndEndsThePage) {
    CScriptExecutor executor;
    executor.FarCall("", "P");
    // Past the end of the page: it ends there.
    executor.SetIndex(40);
    EXPECT_EQ(executor.StepInUnit(unit_, scripts_, classes_), nullptr);
    EXPECT_TRUE(executor.IsFinished());
    // The jumps clear the flag; without a frame there is still nothing to run.
    executor.AdvanceIndex(1);
    EXPECT_FALSE(executor.IsFinished());
    EXPECT_EQ(executor.StepInUnit(unit_, scripts_, classes_), nullptr);
    EXPECT_TRUE(executor.IsFinished());
}

TEST_F(ScriptExecutorTest, AWaitHoldsTheScriptForItsMilliseconds) {
    CScriptExecutor executor;
    executor.FarCall("", "P");
    EXPECT_EQ(executor.IncreaseWait(100), 100);
    // Four updates of 30 ms as a host runs them: the wait is consumed first,
    // then statements run in what remains of the update.
    std::vector<int> handedOut;
    int remainingInFourth = 0;
    for (int update = 0; update < 4; ++update) {
        int remaining = 30;
        int step = std::min(executor.GetWait(), remaining);
        executor.DecreaseWait(step);
        remaining -= step;
        handedOut.push_back(KindOf(executor.StepInUnit(unit_, scripts_, classes_)));
        remainingInFourth = remaining;
    }
    EXPECT_EQ(handedOut, (std::vector<int>{-1, -1, -1, 0}));
    EXPECT_EQ(remainingInFourth, 20);
    EXPECT_FALSE(executor.IsFinished());
}

TEST_F(ScriptExecutorTest, TheWaitCounterRefusesNegativeAmountsAndSaturates) {
    CScriptExecutor executor;
    EXPECT_EQ(executor.IncreaseWait(0), 0);
    EXPECT_EQ(executor.GetWait(), 0);
    EXPECT_TRUE(executor.IsNotWaiting());
    executor.IncreaseWait(5);
    struct Case {
        bool increase;
        int place;
    };
    for (Case c : {Case{true, 218}, Case{false, 211}}) {
        ClearRecordedErrors();
        EXPECT_THROW(c.increase ? static_cast<void>(executor.IncreaseWait(-1)) : executor.DecreaseWait(-1),
                     CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 2026);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
        EXPECT_EQ(executor.GetWait(), 5);
    }
    ClearRecordedErrors();
    executor.IncreaseWait(INT_MAX);
    EXPECT_EQ(executor.GetWait(), INT_MAX);
    executor.IncreaseWait(INT_MAX);
    EXPECT_EQ(executor.GetWait(), INT_MAX);
    executor.DecreaseWait(INT_MAX);
    executor.DecreaseWait(INT_MAX);
    executor.DecreaseWait(INT_MAX);
    EXPECT_EQ(executor.GetWait(), INT_MIN);
    EXPECT_TRUE(executor.IsNotWaiting());
    executor.ResetWait();
    EXPECT_EQ(executor.GetWait(), 0);
}

TEST_F(ScriptExecutorTest, ACopyHasFramesOfItsOwn) {
    CScriptExecutor original;
    original.FarCall("", "P");
    Steps(original, 3);
    original.Call("X");
    original.IncreaseWait(7);
    CScriptExecutor copy = original;
    EXPECT_EQ(copy.GetWait(), 7);
    original.Clear();
    copy.ResetWait();
    EXPECT_EQ(Steps(copy, 4), (std::vector<int>{100, 101, 102, 3}));
    EXPECT_TRUE(original.IsFinished());
}

TEST_F(ScriptExecutorTest, ClearDropsEverything) {
    CScriptExecutor executor;
    executor.FarCall("", "P");
    executor.Call("X");
    executor.IncreaseWait(10);
    executor.Clear();
    EXPECT_TRUE(executor.IsFinished());
    EXPECT_EQ(executor.GetWait(), 0);
    executor.FarCall("", "Y");
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{200, 201, -1}));
}

// A class's executor: frames without a file are the class's pages, a frame
// that names a file is that file's page, and calls stay in the frame's file.
TEST_F(ScriptExecutorTest, AClassFrameThatNamesAFileRunsThatFilesPage) {
    auto other = std::make_shared<CScriptUnit>();
    other->AddPage("X", MarkerPage(50, 2));
    other->AddPage("Y", MarkerPage(60, 1));
    scripts_.Insert("S/Other.txt", other);
    CScriptExecutor executor;
    executor.FarCall("", "P");
    EXPECT_EQ(Steps(executor, 1), (std::vector<int>{0}));
    executor.FarCall("S/Other.txt", "X");
    EXPECT_EQ(Steps(executor, 1), (std::vector<int>{50}));
    executor.Call("Y");
    EXPECT_EQ(Steps(executor, 3), (std::vector<int>{60, 51, 1}));
    executor.Call("X");
    EXPECT_EQ(Steps(executor, 1), (std::vector<int>{100}));
}

TEST_F(ScriptExecutorTest, StepFetchesThroughTheScriptsCache) {
    CScriptCache scripts, classes;
    auto unit = std::make_shared<CScriptUnit>();
    unit->AddPage("Main", MarkerPage(0, 2));
    scripts.Insert("S/Main.txt", unit);
    CScriptExecutor executor;
    executor.FarCall("S/Main.txt", "Main");
    EXPECT_EQ(KindOf(executor.Step(scripts, classes)), 0);
    // The unit being run outlives a cleared cache.
    std::weak_ptr<CScriptUnit> held = unit;
    unit.reset();
    scripts.Clear();
    EXPECT_FALSE(held.expired());
    // It is let go once a statement of another unit is handed out.
    auto other = std::make_shared<CScriptUnit>();
    other->AddPage("Main", MarkerPage(50, 1));
    scripts.Insert("S/Other.txt", other);
    executor.FarCall("S/Other.txt", "Main");
    EXPECT_EQ(KindOf(executor.Step(scripts, classes)), 50);
    EXPECT_TRUE(held.expired());
}

// The page of a file frame is looked up again whenever the frame or the
// cache's entries change: a unit put in the file's place, or brought in
// under another name, and a shift to another page of the file.
TEST_F(ScriptExecutorTest, AFileFramesPageFollowsTheCacheAndTheFrame) {
    CScriptCache scripts, classes;
    auto first = std::make_shared<CScriptUnit>();
    first->AddPage("Main", MarkerPage(0, 6));
    scripts.Insert("S/Main.txt", first);
    CScriptExecutor executor;
    executor.FarCall("S/Main.txt", "Main");
    EXPECT_EQ(KindOf(executor.Step(scripts, classes)), 0);
    auto second = std::make_shared<CScriptUnit>();
    second->AddPage("Main", MarkerPage(70, 6));
    second->AddPage("Next", MarkerPage(80, 2));
    scripts.Insert("S/Main.txt", second);
    EXPECT_EQ(KindOf(executor.Step(scripts, classes)), 71);
    executor.Shift("Next");
    EXPECT_EQ(KindOf(executor.Step(scripts, classes)), 80);
    // Another cache of other entries: the frame's file is looked up there.
    CScriptCache elsewhere;
    auto third = std::make_shared<CScriptUnit>();
    third->AddPage("Next", MarkerPage(90, 3));
    elsewhere.Insert("S/Main.txt", third);
    EXPECT_EQ(KindOf(executor.Step(elsewhere, classes)), 91);
    // A copy of a cache holds the same units.
    CScriptCache copy = elsewhere;
    EXPECT_EQ(KindOf(executor.Step(copy, classes)), 92);
}

}  // namespace
