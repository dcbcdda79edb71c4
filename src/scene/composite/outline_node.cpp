#include "scene/composite/outline_node.h"

#include <utility>
#include <vector>

#include "graphics/memory_surface.h"
#include "platform/error_report.h"
#include "scene/color_node.h"
#include "scene/composite/outline_bands.h"
#include "scene/image_node.h"

namespace {

constexpr int kPlaceUnknownStyle = 64;

}  // namespace

COutlineNode::COutlineNode(int x, int y, int z, int width, int height, int style, Color32 color, int thickness)
    : CSceneNode(x, y, z), width_(width), height_(height), color_(color), thickness_(thickness), style_(style) {}

COutlineNode::COutlineNode(const COutlineNode& other)
    : CSceneNode(other),
      width_(other.width_),
      height_(other.height_),
      color_(other.color_),
      thickness_(other.thickness_),
      style_(other.style_) {}

CNode* COutlineNode::Clone() { return new COutlineNode(*this); }

int COutlineNode::GetNodeKind() { return kNodeKindOutline; }

void COutlineNode::Reset() {
    CSceneNode::Reset();
    if ((color_ >> 24) == 0 || style_ == kOutlineNone) return;
    if (style_ < kOutlineVivide || style_ > kOutlineInnerShadow) {
        ErrorReport(ErrorKind::Internal, kModuleOutlineNode, kPlaceUnknownStyle);
    }
    // A band 0 wide has no ramp and an empty rectangle no pictures: both
    // leave the node as empty as a transparent colour does.
    if (thickness_ <= 0 || width_ <= 0 || height_ <= 0) return;
    BuildChildren();
}

template <class Node>
Node* COutlineNode::AddBand(const char* name, std::unique_ptr<Node> child) {
    child->SetOpacity((color_ >> 24) * (1.0 / 255));
    return AddChild(name, child.get()) ? child.release() : nullptr;
}

void COutlineNode::BuildChildren() {
    const OutlineStyle style = static_cast<OutlineStyle>(style_);
    const OutlineShape shape = {width_, height_, thickness_, color_ & 0xFFFFFF};
    const std::vector<OutlineBand> bands = OutlineBands(style, shape);
    if (style == kOutlineVivide) {
        for (const OutlineBand& band : bands) {
            auto rectangle = std::make_unique<CColorNode>(band.x, band.y, 0, band.width, band.height, shape.rgb,
                                                          kColorBlendNormal);
            rectangle->Reset();
            AddBand(BandName(band.side), std::move(rectangle));
        }
        return;
    }
    std::vector<std::pair<OutlineBand, CImageNode*>> images;
    for (const OutlineBand& band : bands) {
        auto image = std::make_unique<CImageNode>(band.x, band.y, 0, "", 0);
        image->CreateBlankSurface(band.width, band.height);
        image->GetSurface()->SetHasAlpha(true);
        if (CImageNode* added = AddBand(BandName(band.side), std::move(image))) images.emplace_back(band, added);
    }
    // Painted only once every child is in place, band after band, so that
    // Noise draws its random numbers in picture order.
    for (const auto& [band, image] : images) {
        Color32* pixels = image->GetSurface()->GetPixels();
        for (int row = 0; row < band.height; ++row) {
            for (int column = 0; column < band.width; ++column) {
                *pixels++ = OutlinePixel(style, band.side, column, row, shape);
            }
        }
    }
}
