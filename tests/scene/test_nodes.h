// Node kinds and commands made for the scene tests: a rectangle of its own
// colour that records every DrawSelf clip, a node that logs its messages
// and detaches, animators and a node command that log what the node does
// with them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "graphics/color32.h"
#include "scene/scene_node.h"
#include "script/node_animator.h"
#include "script/node_command.h"

// width x height pixels of one colour at its placement (unrotated zooms
// scale it). An opaque one covers its rectangle at full opacity; otherwise
// it blends its colour at half weight (and its opacity scales the weight).
class CRectNode : public CSceneNode {
public:
    CRectNode(int x, int y, int z, int width, int height, Color32 colour, bool opaque);

    CNode* Clone() override { return new CRectNode(*this); }
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void GetSize(int* width, int* height) override;
    void GetLocalRect(RECT* out) override;
    bool IsVisible(const CTransform2D& parent) override;
    bool IsOpaque(const CTransform2D& parent) override;
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // The clip of every DrawSelf since the last ClearDraws.
    const std::vector<RECT>& Draws() const { return draws_; }
    void ClearDraws() { draws_.clear(); }

private:
    CRectNode(const CRectNode& other) = default;

    int width_;
    int height_;
    Color32 colour_;
    bool opaque_;
    std::vector<RECT> draws_;
};

// A group whose children keep their places in its parent's space: it hands
// them the identity transform, as a window whose children do not follow.
class CFixedChildrenNode : public CSceneNode {
public:
    using CSceneNode::CSceneNode;
    CTransform2D* GetTransform(CTransform2D* out) override {
        *out = CTransform2D(0, 0, 1, 1, 1, 0);
        return out;
    }
};

// Writes "<label> <event>" into a shared log for messages ("msg <name>"),
// DrawSelf ("draw"), Detach ("detach"), Deactivate ("deactivate") and its deletion ("delete");
// a message runs the handler, when one is set, after it is logged.
class CLoggingNode : public CSceneNode {
public:
    CLoggingNode(std::string label, std::vector<std::string>& log, int z = 0)
        : CSceneNode(0, 0, z), label_(std::move(label)), log_(log) {}
    ~CLoggingNode() override;

    void ReceiveMessage(std::string name) override;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void Detach() override;
    void Deactivate() override;

    std::function<void(CLoggingNode&)> onMessage;

private:
    std::string label_;
    std::vector<std::string>& log_;
};

// Runs for `duration` ms and moves nothing; logs "<label> start",
// "<label> step <ms>" and "<label> delete". Its clones share the label and
// log.
class CLoggingAnimator : public CNodeAnimator {
public:
    CLoggingAnimator(int category, std::string label, unsigned duration,
                     std::vector<std::string>& log)
        : category_(category), label_(std::move(label)), duration_(duration), log_(log) {}
    ~CLoggingAnimator() override { log_.push_back(label_ + " delete"); }

    int GetCategory() const override { return category_; }
    int GetKind() const override { return 0; }
    void Start(CSceneNode&) override { log_.push_back(label_ + " start"); }
    void Step(CSceneNode&, int milliseconds) override;
    bool IsRunning() const override { return elapsed_ < duration_; }
    CNodeAnimator* Clone() const override;
    unsigned GetTimeLeft() const override { return IsRunning() ? duration_ - elapsed_ : 0; }

private:
    int category_;
    std::string label_;
    unsigned duration_;
    unsigned elapsed_ = 0;
    std::vector<std::string>& log_;
};

// A node command that turns the node's hit test off and logs the node's
// kind.
class CHitOffCommand : public CNodeCommand {
public:
    explicit CHitOffCommand(std::vector<std::string>& log) : log_(log) {}
    int GetCategory() const override { return kCategoryNodeCommand; }
    int GetKind() const override { return 1014; }
    void Apply(CSceneNode& node) override;
    CNodeCommand* Clone() const override { return new CHitOffCommand(log_); }

private:
    std::vector<std::string>& log_;
};

// Any command of a given category that is neither a node command nor an
// animator.
class CPlainCommand : public CScriptCommand {
public:
    explicit CPlainCommand(int category) : category_(category) {}
    int GetCategory() const override { return category_; }
    int GetKind() const override { return 0; }

private:
    int category_;
};
