// The script thread: where the script stands, the positions saved by calls,
// and the milliseconds it still sleeps. It hands out the next statement for
// its host to run and runs only flow statements itself. Copies are deep
// (a cloned scene gets its own frames).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "script/script_frame.h"

class CScriptCache;
class CScriptCommand;
class CScriptPage;
class CScriptUnit;
struct CStatementRecord;

class CScriptExecutor {
public:
    // The next statement of the current frame, from the unit of the frame's
    // file in scripts; null while waiting, once finished, and when the
    // script runs out of statements (which finishes it). A page that ends
    // returns to its caller within the same call.
    CStatementRecord* Step(CScriptCache& scripts, CScriptCache& classes);
    // As Step for an executor that runs a class: a frame without a file
    // name is in unit (the class's own pages); a frame with one, which a
    // "far_call" started, is in the unit of that file in scripts, as in a
    // scene.
    CStatementRecord* StepInUnit(CScriptUnit& unit, CScriptCache& scripts, CScriptCache& classes);
    // Runs a flow statement on this executor; other categories are not its.
    void Execute(CScriptCommand* statement);

    // Each of these clears the finished flag; without a current frame that
    // is all that SetIndex, AdvanceIndex, Shift and Call do.
    void SetIndex(uint16_t index);
    // index + distance modulo 65536: a jump back by d is 65536 - d.
    void AdvanceIndex(uint16_t distance);
    // Continues in another page of the same file at index 0.
    void Shift(const std::string& page);
    // Saves the current frame and runs page of the same file from 0.
    void Call(const std::string& page);
    // Saves the current frame (an empty one when there is none) and runs
    // page of file from 0.
    void FarCall(const std::string& file, const std::string& page);
    // Back to the last saved frame; with none, finishes as Clear.
    void Return();
    // Finished, no wait, no frames.
    void Clear();

    // Adds ms to the wait counter, which stops at 2147483647; returns ms.
    // A negative ms is an "Internal Error" (2026, 218).
    int IncreaseWait(int ms);
    // A negative ms is an "Internal Error" (2026, 211).
    void DecreaseWait(int ms);
    void ResetWait() { wait_ = 0; }
    int GetWait() const { return wait_; }
    bool IsNotWaiting() const { return wait_ < 1; }
    bool IsFinished() const { return finished_; }

private:
    // Step's loop with the lookup of a page's statement given.
    template <typename Fetch>
    CStatementRecord* StepWith(Fetch fetch);
    // The frame's statement from the unit of the frame's file in scripts,
    // which becomes the running unit.
    CStatementRecord* FetchFromFile(const CScriptFrame& frame, CScriptCache& scripts, CScriptCache& classes);
    // Finished, no wait, no frames.
    void Finish();
    // The current frame is another from now on: its page is looked up afresh.
    void ForgetPage() { page_ = nullptr; }

    std::optional<CScriptFrame> frame_;
    bool finished_ = false;
    int wait_ = 0;
    // The last one is the top. FarCall without a current frame saves an
    // empty entry: the script finishes when it comes back to it.
    std::vector<std::optional<CScriptFrame>> stack_;
    // The unit of the statement Step handed out last, kept alive while the
    // host runs it even if the cache lets go of it meanwhile.
    std::shared_ptr<CScriptUnit> running_;
    // The current frame's page in running_, as FetchFromFile last found it
    // in a cache of pageVersion_; null until then and after a change of
    // frame. The names are looked up once, not for every statement.
    CScriptPage* page_ = nullptr;
    uint64_t pageVersion_ = 0;
};
