// The node commands of the scripts: create a node under the receiver,
// delete nodes below it, switch its hit test. Each acts once, at the moment
// the receiving node gets it.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "script/node_command.h"

class CNode;

// Adds a copy of the prototype (with its subtree) under the path, then
// resets it. A name already taken is the node tree's "Internal Error"; a
// copy that the path cannot place (".." above a root) is dropped.
class CCreateNodeCommand : public CNodeCommand {
public:
    CCreateNodeCommand(std::unique_ptr<CNode> prototype, std::string path);
    ~CCreateNodeCommand() override;
    int GetCategory() const override;
    int GetKind() const override;
    void Apply(CSceneNode& node) override;
    CNodeCommand* Clone() const override;
    const std::string& Path() const { return path_; }
    CNode& Prototype() const { return *prototype_; }

private:
    std::unique_ptr<CNode> prototype_;
    std::string path_;
};

// Removes every node below the receiver that the path reaches.
class CDeleteNodeCommand : public CNodeCommand {
public:
    explicit CDeleteNodeCommand(std::string path) : path_(std::move(path)) {}
    int GetCategory() const override;
    int GetKind() const override;
    void Apply(CSceneNode& node) override;
    CNodeCommand* Clone() const override;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Sets the receiver's hit-enabled flag.
class CSetHitableCommand : public CNodeCommand {
public:
    explicit CSetHitableCommand(bool enabled) : enabled_(enabled) {}
    int GetCategory() const override;
    int GetKind() const override;
    void Apply(CSceneNode& node) override;
    CNodeCommand* Clone() const override;
    bool Enabled() const { return enabled_; }

private:
    bool enabled_;
};
