// Building blocks of the script tests: marker commands that name themselves
// by their kind, pages made of them, and compiling a source text from the
// end of a guarded page so that any read past the text faults at once.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/error_report.h"
#include "script/script_cache.h"
#include "script/script_compiler.h"
#include "script/script_unit.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"
#include "../graphics/expect_box.h"
#include "support/guarded_bytes.h"

// A node command whose kind is the number it was given.
class CMarkerCommand : public CScriptCommand {
public:
    explicit CMarkerCommand(int id) : id_(id) {}
    int GetCategory() const override { return kCategoryNodeCommand; }
    int GetKind() const override { return id_; }

private:
    int id_;
};

// A page of markers first, first + 1, ...
inline std::unique_ptr<CScriptPage> MarkerPage(int first, int count) {
    auto page = std::make_unique<CScriptPage>();
    for (int i = 0; i < count; ++i) page->Append(std::make_unique<CMarkerCommand>(first + i));
    return page;
}

// The kind of a handed-out statement, or -1 for none.
inline int KindOf(const CStatementRecord* record) { return record ? record->command->GetKind() : -1; }

// What one compilation left: whether it ran through, and the boxes it raised.
struct CompileOutcome {
    bool compiled;
    std::vector<ErrorBox> boxes;
};

// Compiles text as the file fileName from a guarded page into unit.
inline CompileOutcome CompileGuarded(const std::string& text, CScriptUnit& unit, CScriptCache& classes,
                                     const std::string& fileName = "S/Main.txt") {
    CGuardedBytes bytes(BytesOf(text));
    ClearRecordedErrors();
    CompileOutcome outcome{true, {}};
    try {
        CScriptCompiler::CompileText(fileName, reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<int>(bytes.size()), unit, classes);
    } catch (const CInternalError&) {
        outcome.compiled = false;
    }
    outcome.boxes = RecordedErrors();
    ClearRecordedErrors();
    return outcome;
}

// True when the compilation failed with exactly the one box given.
inline testing::AssertionResult FailedWith(const CompileOutcome& outcome, ErrorKind kind, int module, int place) {
    if (outcome.compiled) return testing::AssertionFailure() << "compiled";
    if (outcome.boxes.size() != 1) return testing::AssertionFailure() << outcome.boxes.size() << " boxes";
    const ErrorBox& box = outcome.boxes[0];
    if (box.kind != kind || box.module != module || box.place != place)
        return testing::AssertionFailure() << "box " << box.module << " - " << box.place;
    return testing::AssertionSuccess();
}

inline testing::AssertionResult CompiledClean(const CompileOutcome& outcome) {
    if (!outcome.compiled) return testing::AssertionFailure() << "failed";
    if (!outcome.boxes.empty()) return testing::AssertionFailure() << outcome.boxes.size() << " boxes";
    return testing::AssertionSuccess();
}

// Compiles body as the page Main and describes each of its records with
// describe (a function of a CStatementRecord giving a string).
template <class Describe>
std::vector<std::string> CompileMainRecords(const std::string& body, Describe describe) {
    CScriptUnit unit;
    CScriptCache classes;
    EXPECT_TRUE(CompiledClean(CompileGuarded("page Main { " + body + " }", unit, classes))) << body;
    std::vector<std::string> out;
    const CScriptPage* page = unit.FindPage("Main");
    if (!page) return out;
    for (const CStatementRecord& record : page->Records()) out.push_back(describe(record));
    return out;
}
