#include "scene/animation_node.h"

#include <utility>

#include "graphics/memory_surface.h"
#include "graphics/resource_cache.h"
#include "platform/error_report.h"
#include "scene/rect_math.h"
#include "script/data_actions.h"

namespace {

constexpr int kPlaceNotLoaded = 45;

}  // namespace

CAnimationNode::CAnimationNode(int x, int y, int z, std::string file, int drawMode)
    : CPictureNode(x, y, z, drawMode), file_(std::move(file)), surface_(nullptr), chip_(EmptyRect()) {}

CAnimationNode::CAnimationNode(const CAnimationNode& other)
    : CPictureNode(other), file_(other.file_), surface_(nullptr), chip_(EmptyRect()) {}

CAnimationNode::~CAnimationNode() { ReleaseSurface(); }

void CAnimationNode::ReleaseSurface() {
    if (surface_) GetResourceCache().Release(file_);
    surface_ = nullptr;
}

void CAnimationNode::Reset() {
    // A second reset does not take a second use of the sheet.
    ReleaseSurface();
    surface_ = GetResourceCache().Acquire(file_);
    if (!surface_) ErrorReport(ErrorKind::Graphic, kModuleAnimationNode, kPlaceNotLoaded);
    int width = 0;
    int height = 0;
    surface_->GetSize(width, height);
    chip_ = {0, 0, width, height};
    CNode::Reset();
}

void CAnimationNode::Clear() {
    ReleaseSurface();
    CPictureNode::Clear();
}

CNode* CAnimationNode::Clone() { return new CAnimationNode(*this); }

void CAnimationNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryChipAction) {
        CPictureNode::ApplyCommand(command);
        return;
    }
    const auto& chip = static_cast<const CSetChipAction&>(*command);
    SetChip(chip.Value(0), chip.Value(1), chip.Value(2), chip.Value(3));
}

int CAnimationNode::GetNodeKind() { return kNodeKindAnimation; }

CMemorySurface* CAnimationNode::GetSurface() { return surface_; }

const RECT* CAnimationNode::GetSourceRect() { return &chip_; }

void CAnimationNode::SetChip(int left, int top, int right, int bottom) {
    int width = 0;
    int height = 0;
    if (surface_) surface_->GetSize(width, height);
    chip_ = IntersectRects(RECT{left, top, right, bottom}, RECT{0, 0, width, height});
    SetDirty();
}
