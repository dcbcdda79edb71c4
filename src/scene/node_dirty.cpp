// The dirty side of CNode: recording changes, submitting the changed screen
// areas, culling the pieces hidden behind opaque nodes, drawing the pieces
// and committing. Rectangles a node keeps are in its parent's coordinates;
// the redraw list is in screen coordinates.
#include "scene/dirty_rect_grid.h"
#include "scene/drawn_node_rules.h"
#include "scene/node.h"
#include "scene/rect_math.h"

void CNode::CullOccluded(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip) {
    const CTransform2D composed = ChildTransform(parent);
    for (size_t i = zOrder_.size(); i-- > 0;) {
        zOrder_[i]->second->CullOccluded(composed, pending, clip);
    }
    CullOwnArea(parent, pending, clip);
}

void CNode::CullOwnArea(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip) {
    if (!IsVisible(parent)) return;
    RECT area;
    GetLocalRect(&area);
    area = MapDrawnRect(parent, area);
    if (IsEmptyRect(area)) return;
    if (clip) {
        area = IntersectRects(area, *clip);
        if (IsEmptyRect(area)) return;
    }
    const bool opaque = IsOpaque(parent);
    std::vector<RECT> remaining;
    remaining.reserve(pending->size());
    for (const RECT& piece : *pending) {
        if (opaque) {
            SubtractRectInto(piece, area, remaining);
        } else {
            remaining.push_back(piece);
        }
        const RECT part = IntersectRects(piece, area);
        if (!IsEmptyRect(part)) redrawList_.push_back(part);
    }
    CompactRects(redrawList_);
    pending->swap(remaining);
}

void CNode::CollectDirtyRects(CTransform2D parent, const RECT* cell, const RECT* clip) {
    std::vector<RECT> pending(1, *cell);
    CullOccluded(parent, &pending, clip);
}

void CNode::DrawRects(CMemorySurface& target, CTransform2D parent) {
    for (size_t i = 0; i < redrawList_.size(); ++i) DrawSelf(target, parent, &redrawList_[i]);
    const CTransform2D composed = ChildTransform(parent);
    for (size_t i = 0; i < zOrder_.size(); ++i) zOrder_[i]->second->DrawRects(target, composed);
}

void CNode::SetDirty() { dirty_ = 1; }

void CNode::InvalidateAll() {
    VisitChildren([](const std::string&, CNode* child) {
        child->InvalidateAll();
        return true;
    });
    dirty_ = 1;
}

bool CNode::IsDirty() { return dirty_ != 0 || !IsEmptyRect(dirtyRect_); }

void CNode::AddDirtyRect(const RECT& r) { dirtyRect_ = UniteRects(dirtyRect_, r); }

void CNode::SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) {
    if (dirty_) {
        DirtyOwnArea(parent, clip);
        for (const RECT* own : {&committedRect_, &dirtyRect_}) {
            if (IsEmptyRect(*own)) continue;
            const RECT area = MapDrawnRect(parent, *own);
            grid->AddRect(clip ? IntersectRects(area, *clip) : area);
        }
    }
    const CTransform2D composed = ChildTransform(parent);
    VisitChildren([&](const std::string&, CNode* child) {
        child->SubmitDirtyRects(grid, composed, clip);
        return true;
    });
}

void CNode::CommitDirty() {
    if (dirty_) committedRect_ = dirtyRect_;
    dirtyRect_ = EmptyRect();
    dirty_ = 0;
    redrawList_.clear();
    VisitChildren([](const std::string&, CNode* child) {
        child->CommitDirty();
        return true;
    });
}

void CNode::FlushCommittedRect(RECT* accumulator, CTransform2D toAccumulator, const RECT* clip) {
    BeginChange(nullptr);
    if (IsEmptyRect(committedRect_)) return;
    const RECT old = MapDrawnRect(toAccumulator, committedRect_);
    committedRect_ = EmptyRect();
    *accumulator = UniteRects(*accumulator, clip ? IntersectRects(old, *clip) : old);
}

void CNode::BeginChange(const RECT* clip) {
    CTransform2D own = GetPlacement();
    const CTransform2D toParent = *GetTransform(&own);
    VisitChildren([&](const std::string&, CNode* child) {
        child->FlushCommittedRect(&committedRect_, toParent, clip);
        return true;
    });
}
