// The base of every visual node. A node owns its children, knows them by
// name (ascending byte order) and in drawing order (ascending z, earlier
// added first among equals), and is addressed by slash paths relative to
// any node: "A/B", "*" patterns matching children's names, ".." for the
// parent. Removal is deferred: a removed child leaves the tree at once but
// waits in its former parent's removed set until the next PurgeRemoved, so
// code running inside it can finish.
//
// Every rectangle a node keeps is in its parent's coordinates; the
// transform handed to drawing, culling, dirty and hit operations is the
// parent's composed transform (identity for a root), and a node passes its
// children that transform composed with its GetTransform.
#pragma once

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/transform2d.h"
#include "scene/node_kind.h"

class CDirtyRectGrid;
class CMemorySurface;
class CScene;
class CScriptCommand;
class CScriptHost;

class CNode {
public:
    using ChildMap = std::map<std::string, CNode*>;

    CNode& operator=(const CNode&) = delete;

    // Deletes the children and the nodes waiting in the removed set.
    virtual ~CNode();

    // Called once the node sits in a tree (right after AddChild): a fresh
    // dirty state, the whole node invalidated, live and active. Kinds load
    // their resources or build their children here.
    virtual void Reset();
    // Back to not live and active; removes and deletes every child. Kinds
    // add their own part and call this one.
    virtual void Clear() = 0;
    // The node leaves the tree; the base passes it to every child.
    virtual void Detach() = 0;
    // A new node of the same kind, without children.
    virtual CNode* Clone() = 0;
    // Deletes the nodes removed since the last purge, then purges every
    // child.
    virtual void PurgeRemoved() = 0;
    // Advances by the milliseconds; the base passes them to every child.
    virtual void Update(int milliseconds) = 0;
    // The base passes the parent transform composed with GetTransform to
    // every child.
    virtual void UpdateTransform(CTransform2D parent) = 0;
    // Draws the node alone, clipped.
    virtual void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) = 0;
    // Full redraw: the node, then its children in drawing order.
    virtual void Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip);
    // A named message for this node.
    virtual void ReceiveMessage(std::string name) = 0;
    // A node command or an animator handed to this node.
    virtual void ApplyCommand(CScriptCommand* command) = 0;
    virtual void GetSize(int* width, int* height) = 0;
    // The area the node itself covers, in its parent's coordinates.
    virtual void GetLocalRect(RECT* out) = 0;
    // Every pixel the node itself draws under the parent transform, in the
    // parent transform's outer (screen) coordinates. The base maps the local
    // rectangle outwards; a kind whose drawing composes the parent's zoom
    // and turn with its own answers from the composed placement instead,
    // since its turned area zoomed in the parent's axes is not where it
    // draws.
    virtual void GetDrawnRect(const CTransform2D& parent, RECT* out);
    // The transform the children are placed by: the placement, unless a kind
    // keeps its children in its parent's space.
    virtual CTransform2D* GetTransform(CTransform2D* out);
    virtual int GetNodeKind() = 0;
    // Whether the node shows anything under the parent transform.
    virtual bool IsVisible(const CTransform2D& parent) = 0;
    // Whether the node covers every pixel of its local rectangle.
    virtual bool IsOpaque(const CTransform2D& parent) = 0;
    virtual bool IsAnimating(AnimatorSelector which) = 0;
    virtual unsigned GetAnimationTimeLeft(AnimatorSelector which) = 0;

    // Hit tests take a point in the coordinates of the root's parent (the
    // screen for a scene's canvas) and the parent's composed transform. A
    // node whose hit test is disabled answers false for its whole subtree.
    virtual bool HitTestSelf(double x, double y, CTransform2D parent) = 0;
    // The topmost hit node's path relative to this node, in GetFullPath's
    // form (empty when this node itself is hit).
    virtual bool HitTestPath(double x, double y, CTransform2D parent, std::string* path);
    // This node or any descendant is hit.
    virtual bool IsHit(double x, double y, CTransform2D parent);
    // Any node the path reaches is hit.
    virtual bool IsHitAt(std::string path, double x, double y, CTransform2D parent);
    // Whether the topmost hit child matches the pattern path.
    virtual bool IsHitFirst(std::string pattern, double x, double y, CTransform2D parent);

    // Dirty tracking and redraw, the frame protocol of RedrawDirtyCells.
    // Takes this node's part of the pending screen pieces into its redraw
    // list, children first (front to back); an opaque node takes its area
    // out of what the nodes behind it must paint.
    virtual void CullOccluded(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip);
    // CullOccluded with the one cell as the pending list.
    virtual void CollectDirtyRects(CTransform2D parent, const RECT* cell, const RECT* clip);
    // DrawSelf once per piece of the redraw list, then the children in
    // drawing order.
    virtual void DrawRects(CMemorySurface& target, CTransform2D parent);
    virtual void SetDirty();
    // Marks the node and its whole subtree dirty.
    virtual void InvalidateAll();
    // Unites the node's current area into this frame's new area: a local
    // rectangle with AddDirtyRect or a screen one with AddDrawnRect.
    virtual void DirtyOwnArea(CTransform2D parent, const RECT* clip) = 0;
    virtual bool IsDirty();
    // Adds the old and new screen areas of every dirty node to the grid.
    virtual void SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip);
    // The drawn areas become the committed ones; the dirty state is cleared.
    virtual void CommitDirty();
    // Folds the committed areas of the node and its subtree into the
    // accumulator and empties them.
    virtual void FlushCommittedRect(RECT* accumulator);
    // Gathers the subtree's committed areas into this node's committed
    // rectangle before a change, so the old pixels are redrawn.
    virtual void BeginChange();

    virtual void Deactivate();
    virtual void Activate();
    // The one road out of the tree: the child's old area is scheduled for
    // redraw, it is detached and deactivated and waits in the removed set.
    virtual void RemoveChildAt(ChildMap::iterator position);
    virtual void RemoveAllChildren();
    virtual CScriptHost* GetOwner();

    // Identity and links.
    CNode* GetParent() const { return parent_; }
    CScene* GetScene() const { return scene_; }
    void SetScene(CScene* scene) { scene_ = scene; }
    void SetOwner(CScriptHost* owner) { owner_ = owner; }
    // The name under which this node holds the child; "Internal Error" for
    // a node that is not its child.
    std::string GetChildName(CNode* child) const;
    // The path from the root: empty for a root.
    std::string GetFullPath() const;
    const ChildMap& GetChildren() const { return children_; }

    // Placement. The setters normalise (opacity into 0..1, negative zooms
    // to 0), do nothing for unchanged values and otherwise record the old
    // area, store and invalidate.
    void GetPosition(double* x, double* y) const;
    void GetOpacity(double* opacity) const { *opacity = placement_.opacity; }
    void GetZoom(double* zoomX, double* zoomY) const;
    void GetRotation(double* degrees) const { *degrees = placement_.rotation; }
    void SetPosition(double x, double y);
    void SetOpacity(double opacity);
    void SetZoom(double zoomX, double zoomY);
    void SetRotation(double degrees);
    const CTransform2D& GetPlacement() const { return placement_; }
    int GetZ() const { return z_; }
    double GetTimeScale() const { return timeScale_; }
    void SetTimeScale(double scale) { timeScale_ = scale; }

    bool IsLive() const { return live_ != 0; }
    bool IsDeactivated() const { return deactivated_ != 0; }
    bool IsHitEnabled() const { return hitEnabled_ != 0; }
    void SetHitEnabled(bool enabled) { hitEnabled_ = enabled ? 1 : 0; }

    bool GetDirtyFlag() const { return dirty_ != 0; }
    const RECT& GetDirtyRect() const { return dirtyRect_; }
    // Where the node and the subtrees folded into it were drawn at the last
    // commit, in screen coordinates, cut as the drawing was: the old pixels
    // stay where they are whatever the node's ancestors do afterwards.
    const RECT& GetCommittedRect() const { return committedRect_; }
    const std::vector<RECT>& GetRedrawList() const { return redrawList_; }
    // Unites a rectangle (parent coordinates) into the dirty rectangle
    // without setting the dirty flag.
    void AddDirtyRect(const RECT& r);
    // Unites a screen rectangle into the area submitted as new this frame;
    // only while DirtyOwnArea runs.
    void AddDrawnRect(const RECT& r);

    // Tree operations. AddChild inserts the child under the path (its last
    // component is the name) and hands owner and scene down the inserted
    // subtree; the caller calls the child's Reset next. False when ".."
    // climbed above a root: the child was not inserted and the caller keeps
    // it. "*" in the path, a missing intermediate node or a taken name is an
    // "Internal Error".
    bool AddChild(std::string path, CNode* child);
    // Finds the child by value; nothing when it is not a child.
    void RemoveChild(CNode* child);
    // Removes every node the path reaches from its parent; the empty path
    // removes this node.
    void RemoveAt(std::string path);
    // Moves the named child to z, behind every child of equal z, and
    // invalidates it.
    void SetChildOrder(std::string name, int z);

    // Path operations.
    void Request(std::string path, std::string message);
    void ApplyCommandAt(std::string path, CScriptCommand* command);
    bool HasNodeAt(std::string path);
    bool IsAnimatingAt(std::string path, AnimatorSelector which);
    unsigned GetAnimationTimeLeftAt(std::string path, AnimatorSelector which);
    // The node at the path (no patterns, ".." is an ordinary name), null
    // when a name is missing.
    CNode* FindNode(std::string path);
    // The reached node's origin in this node's parent's coordinates,
    // truncated.
    void GetPositionAt(std::string path, int* x, int* y);

protected:
    CNode(int x, int y, int z);
    // Copies every field but the children and the removed set, for Clone.
    CNode(const CNode& other);

    // Calls visit (name, child) for the children in name order while it
    // answers true. Before each call it notes the next child; when the call
    // took children out, it stops if that child was removed and otherwise
    // finds it again, so no entry that may be gone is ever used.
    template <class Visit>
    void VisitChildren(Visit visit);
    // The transform this node passes to its children: parent composed with
    // GetTransform.
    CTransform2D ChildTransform(CTransform2D parent);
    // The children in drawing order.
    std::vector<CNode*> ChildrenInDrawingOrder() const;
    // CullOccluded's part for this node alone: its visible area takes its
    // share of the pending pieces into the redraw list and, when opaque,
    // out of the pending list.
    void CullOwnArea(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip);
    // SubmitDirtyRects' part for this node alone: its old and new screen
    // areas, cut by the clip, go to the grid while the node is dirty.
    void SubmitOwnArea(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip);

private:
    // Calls visit (node) for every node the path reaches until one answers
    // true (and then answers true).
    template <class Visit>
    bool VisitNodesAt(const std::string& path, Visit& visit);
    void InsertIntoZOrder(ChildMap::iterator entry);
    void EraseFromZOrder(CNode* child);
    // Owner and scene from the new parent, down the whole subtree.
    void TakeLinksFrom(CNode* parent);
    // Clears the detached mark down the subtree: it sits in a tree again.
    void MarkInTree();
    void DeleteRemoved();

    uint8_t live_;
    uint8_t deactivated_;
    uint8_t hitEnabled_;
    CTransform2D placement_;
    int32_t z_;
    double timeScale_;
    uint8_t dirty_;
    RECT dirtyRect_;
    RECT drawnRect_;
    RECT committedRect_;
    std::vector<RECT> redrawList_;
    CScene* scene_;
    CScriptHost* owner_;
    CNode* parent_;
    ChildMap children_;
    // Entries of children_ in drawing order.
    std::vector<ChildMap::iterator> zOrder_;
    std::set<CNode*> removed_;
    // Counts the entries erased from children_, so a walk over the children
    // knows when the call it made took some out.
    uint32_t childErasures_;
    // Set when the node leaves a tree (Detach, on the whole subtree), cleared
    // on the subtree when it is put into one (AddChild, Reset): a detached
    // node is released from its parent without another Detach.
    bool detached_;
};

template <class Visit>
void CNode::VisitChildren(Visit visit) {
    auto it = children_.begin();
    while (it != children_.end()) {
        const auto next = std::next(it);
        CNode* const nextChild = next == children_.end() ? nullptr : next->second;
        const uint32_t erasures = childErasures_;
        if (!visit(it->first, it->second) || !nextChild) return;
        if (childErasures_ == erasures) {
            it = next;
            continue;
        }
        // The call took children out: `next` may be gone with them.
        if (removed_.count(nextChild) != 0) return;
        it = children_.begin();
        while (it != children_.end() && it->second != nextChild) ++it;
    }
}
