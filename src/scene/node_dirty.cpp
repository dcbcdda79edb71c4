// The dirty side of CNode: recording changes, submitting the changed screen
// areas, culling the pieces hidden behind opaque nodes, drawing the pieces
// and committing. The dirty rectangle a kind adds to is in the parent's
// coordinates; the committed rectangle and the redraw list are in screen
// coordinates. A turned picture is drawn zoomed by all its ancestors and then
// turned by all of them, which no chain of rectangles mapped level by level
// describes: so each node measures where it draws under the composed
// transform when it submits, and that screen area is what is redrawn when
// the pixels must go.
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
    GetDrawnRect(parent, &area);
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

void CNode::AddDrawnRect(const RECT& r) { drawnRect_ = UniteRects(drawnRect_, r); }

void CNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    GetLocalRect(out);
    *out = MapDrawnRect(parent, *out);
}

void CNode::SubmitOwnArea(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) {
    if (!dirty_) return;
    drawnRect_ = EmptyRect();
    DirtyOwnArea(parent, clip);
    if (!IsEmptyRect(dirtyRect_)) AddDrawnRect(MapDrawnRect(parent, dirtyRect_));
    if (clip) drawnRect_ = IntersectRects(drawnRect_, *clip);
    for (const RECT* area : {&committedRect_, &drawnRect_}) {
        if (!IsEmptyRect(*area)) grid->AddRect(*area);
    }
}

void CNode::SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) {
    SubmitOwnArea(grid, parent, clip);
    const CTransform2D composed = ChildTransform(parent);
    VisitChildren([&](const std::string&, CNode* child) {
        child->SubmitDirtyRects(grid, composed, clip);
        return true;
    });
}

void CNode::CommitDirty() {
    if (dirty_) committedRect_ = drawnRect_;
    dirtyRect_ = EmptyRect();
    drawnRect_ = EmptyRect();
    dirty_ = 0;
    redrawList_.clear();
    VisitChildren([](const std::string&, CNode* child) {
        child->CommitDirty();
        return true;
    });
}

void CNode::FlushCommittedRect(RECT* accumulator) {
    BeginChange();
    if (IsEmptyRect(committedRect_)) return;
    *accumulator = UniteRects(*accumulator, committedRect_);
    committedRect_ = EmptyRect();
}

void CNode::BeginChange() {
    VisitChildren([&](const std::string&, CNode* child) {
        child->FlushCommittedRect(&committedRect_);
        return true;
    });
}
