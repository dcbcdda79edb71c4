#include "script/node_commands.h"

#include "scene/clone_tree.h"
#include "scene/scene_node.h"
#include "script/script_command_kind.h"

CCreateNodeCommand::CCreateNodeCommand(std::unique_ptr<CNode> prototype, std::string path)
    : prototype_(std::move(prototype)), path_(std::move(path)) {}

CCreateNodeCommand::~CCreateNodeCommand() = default;

int CCreateNodeCommand::GetCategory() const { return kCategoryNodeCommand; }

int CCreateNodeCommand::GetKind() const { return kKindCreateNode; }

void CCreateNodeCommand::Apply(CSceneNode& node) {
    std::unique_ptr<CNode> copy = CloneTree(*prototype_);
    // AddChild never resets: the copy starts once it sits in the tree.
    if (!node.AddChild(path_, copy.get())) return;
    copy.release()->Reset();
}

CNodeCommand* CCreateNodeCommand::Clone() const {
    return new CCreateNodeCommand(CloneTree(*prototype_), path_);
}

int CDeleteNodeCommand::GetCategory() const { return kCategoryNodeCommand; }

int CDeleteNodeCommand::GetKind() const { return kKindDeleteNode; }

void CDeleteNodeCommand::Apply(CSceneNode& node) { node.RemoveAt(path_); }

CNodeCommand* CDeleteNodeCommand::Clone() const { return new CDeleteNodeCommand(path_); }

int CSetHitableCommand::GetCategory() const { return kCategoryNodeCommand; }

int CSetHitableCommand::GetKind() const { return kKindSetHitable; }

void CSetHitableCommand::Apply(CSceneNode& node) { node.SetHitEnabled(enabled_); }

CNodeCommand* CSetHitableCommand::Clone() const { return new CSetHitableCommand(enabled_); }
