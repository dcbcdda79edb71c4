#include "scene/image_node.h"

#include <utility>

#include "graphics/memory_surface.h"
#include "graphics/resource_cache.h"
#include "platform/error_report.h"

namespace {

constexpr int kPlaceEmptyFile = 49;
constexpr int kPlaceNotLoaded = 108;
constexpr int kPlaceBlankSurface = 188;
constexpr int kPlaceNotLoadedOnActivation = 234;

}  // namespace

CImageNode::CImageNode(int x, int y, int z, std::string file, int drawMode)
    : CPictureNode(x, y, z, drawMode), file_(std::move(file)), surface_(nullptr), fromCache_(false) {}

CImageNode::CImageNode(const CImageNode& other)
    : CPictureNode(other), file_(other.file_), surface_(nullptr), fromCache_(false) {}

CImageNode::~CImageNode() { ReleaseSurface(); }

void CImageNode::ReleaseSurface() {
    if (surface_) {
        if (fromCache_) {
            GetResourceCache().Release(file_);
        } else {
            surface_->Destroy();
            delete surface_;
        }
    }
    fromCache_ = false;
    surface_ = nullptr;
}

void CImageNode::Reset() {
    Clear();
    if (file_.empty()) ErrorReport(ErrorKind::Internal, kModulePictureNode, kPlaceEmptyFile);
    fromCache_ = true;
    surface_ = GetResourceCache().Acquire(file_);
    if (!surface_) ErrorReport(ErrorKind::Graphic, kModulePictureNode, kPlaceNotLoaded);
    CNode::Reset();
}

void CImageNode::Clear() {
    ReleaseSurface();
    CPictureNode::Clear();
}

CNode* CImageNode::Clone() { return new CImageNode(*this); }

int CImageNode::GetNodeKind() { return kNodeKindImage; }

void CImageNode::Deactivate() {
    if (!IsDeactivated() && fromCache_ && surface_) {
        GetResourceCache().Release(file_);
        surface_ = nullptr;
    }
    CPictureNode::Deactivate();
}

void CImageNode::Activate() {
    if (IsDeactivated() && fromCache_ && !surface_) {
        surface_ = GetResourceCache().Acquire(file_);
        if (!surface_) {
            ErrorReport(ErrorKind::Graphic, kModulePictureNode, kPlaceNotLoadedOnActivation);
        }
    }
    CPictureNode::Activate();
}

CMemorySurface* CImageNode::GetSurface() { return surface_; }

const RECT* CImageNode::GetSourceRect() { return nullptr; }

void CImageNode::CreateBlankSurface(int width, int height) {
    Clear();
    fromCache_ = false;
    surface_ = new CMemorySurface();
    if (surface_->CreateUncleared(width, height) != 0) {
        ErrorReport(ErrorKind::Graphic, kModulePictureNode, kPlaceBlankSurface);
    }
    CNode::Reset();
}
