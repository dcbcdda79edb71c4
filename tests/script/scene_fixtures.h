// Building blocks of the scene tests: a node that records the time it is
// given together with the script variable @2 at that moment, a statement
// that runs over several frames and logs what is done to it, and a scene
// whose script is compiled from a text in place of its file.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/frame_clock_flags.h"
#include "scene/scene_node.h"
#include "script/scene.h"
#include "script/scene_host.h"
#include "script/script_host.h"
#include "script/script_statement.h"
#include "script/script_variables.h"
#include "script_fixtures.h"

inline void SetVariable(const char* name, int32_t value) { *GetScriptVariableAddress(name) = value; }

// Every Update as {ms, @2 at that moment}.
struct NodeStep {
    int ms;
    int32_t at2;
    bool operator==(const NodeStep& other) const { return ms == other.ms && at2 == other.at2; }
};

inline std::ostream& operator<<(std::ostream& out, const NodeStep& step) {
    return out << "{" << step.ms << " ms, @2 = " << step.at2 << "}";
}

class CRecordingNode : public CSceneNode {
public:
    CRecordingNode() : CSceneNode(0, 0, 0) {}
    CNode* Clone() override { return new CRecordingNode(*this); }
    void Update(int ms) override {
        steps.push_back({ms, ReadScriptVariable("@2")});
        CSceneNode::Update(ms);
    }
    std::vector<NodeStep> steps;

private:
    CRecordingNode(const CRecordingNode& other) : CSceneNode(other) {}
};

// A non-instant statement. Logs "<label> execute", "update <ms>", "stop"
// and "delete"; with dropSelf it drops itself from inside its first Update
// and logs "<label> after drop" before that Update returns.
class CLogStatement : public CScriptStatement {
public:
    CLogStatement(std::string label, std::vector<std::string>& log, bool dropSelf = false)
        : label_(std::move(label)), log_(log), dropSelf_(dropSelf) {}
    ~CLogStatement() override { log_.push_back(label_ + " delete"); }
    int GetKind() const override { return 4005; }
    void Execute(CScriptHost* host) override {
        host_ = host;
        log_.push_back(label_ + " execute");
    }
    void Stop() override { log_.push_back(label_ + " stop"); }
    void Update(int ms) override {
        log_.push_back(label_ + " update " + std::to_string(ms));
        if (dropSelf_) {
            host_->DropPendingStatement();
            log_.push_back(label_ + " after drop");
        }
    }
    std::unique_ptr<CScriptStatement> Clone() const override {
        return std::make_unique<CLogStatement>(label_, log_, dropSelf_);
    }
    bool IsInstant() const override { return false; }

private:
    std::string label_;
    std::vector<std::string>& log_;
    bool dropSelf_;
    CScriptHost* host_ = nullptr;
};

// A compiled unit of text, as the file S/Main.txt; fails the test on a
// compile error.
inline std::shared_ptr<CScriptUnit> CompileUnit(const std::string& text, CScriptCache& classes) {
    auto unit = std::make_shared<CScriptUnit>();
    EXPECT_TRUE(CompiledClean(CompileGuarded(text, *unit, classes)));
    return unit;
}

// A scene of S/Main.txt whose unit is given (in place of the archive).
inline std::unique_ptr<CScene> SceneWithUnit(std::shared_ptr<CScriptUnit> unit) {
    auto scene = std::make_unique<CScene>("S/Main.txt");
    scene->GetScriptCache()->Insert("S/Main.txt", std::move(unit));
    return scene;
}

inline std::unique_ptr<CScene> SceneOfText(const std::string& text) {
    auto scene = std::make_unique<CScene>("S/Main.txt");
    scene->GetScriptCache()->Insert("S/Main.txt", CompileUnit(text, *scene->GetClassCache()));
    return scene;
}

// A page of the given records, all with empty paths.
inline std::shared_ptr<CScriptUnit> UnitOfPage(std::vector<std::unique_ptr<CScriptCommand>> commands,
                                               const std::string& name = "Main") {
    auto page = std::make_unique<CScriptPage>();
    for (auto& command : commands) page->Append(std::move(command));
    auto unit = std::make_shared<CScriptUnit>();
    unit->AddPage(name, std::move(page));
    return unit;
}
