// Dragging panels: picking one up from its place or from the pad as a work
// panel that follows the cursor, and dropping it on the pad, into an empty
// place, or back where it came from.
#include "app/application.h"
#include "app/cursor_position.h"
#include "media/sound_group.h"
#include "platform/easing.h"
#include "platform/error_report.h"
#include "scene/composite/standard_button_node.h"
#include "scene/image_node.h"
#include "scene/node.h"
#include "screens/gallery_layout.h"
#include "screens/gallery_nodes.h"
#include "screens/gallery_screen.h"
#include "screens/menu_opacity_fade.h"
#include "script/argument_kinds.h"
#include "script/move_animators.h"
#include "script/value_animators.h"

using namespace gallery_layout;
using namespace gallery_nodes;

namespace {

constexpr int kPlacePickUp = 880;
constexpr int kPlacePlaceInto = 1057;
const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
// A zoom axis that takes the given value.
constexpr int32_t kZoomTo = 1;

// Sends the node to (x, y) over the time along the curve, replacing the move
// it had.
void MoveNode(CNode* node, int x, int y, int32_t duration, EasingCurve easing) {
    CMoveAnimator move(MovePlacement{kPlacementPixels, x, kPlacementPixels, y}, duration, easing);
    node->ApplyCommand(&move);
}

POINT Position(CNode* node) {
    double x = 0, y = 0;
    node->GetPosition(&x, &y);
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}

}  // namespace

int32_t CGalleryScreen::WorkEntry(int32_t number) const {
    auto found = workEntries_.find(number);
    return found == workEntries_.end() ? kEmptyPlace : found->second;
}

void CGalleryScreen::BeginDrag() {
    if (!drag_.node) return;
    SetCapture(GetMainWindowHandle());
    GetRootNode()->Request("Pad", "Disable");
    RaiseEvent(kGalleryDragging, "OnDrag");
}

void CGalleryScreen::PickUpFromPlace(int32_t place) {
    if (place < 0 || place >= kPlacesPerPage) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlacePickUp);
    const int32_t entry = EntryAtPlace(place);
    if (entry == kEmptyPlace) return;
    const int32_t number = nextWorkNumber_++;
    const POINT at = PanelPosition(place);
    auto* work = new CStandardButtonNode(at.x, at.y, kWorkPanelZ, "WorkPanel", "", "", "", "", "", "");
    work->SetListener(this, kPanelWork, number, 0);
    CNode* root = GetRootNode();
    AddNode(root, WorkName(number), work);
    const std::string picture = GetPanelImage(entry);
    if (!picture.empty()) AddNode(work, "Panel", new CImageNode(0, 0, kFrameZ, picture, 0));
    const std::string thumbnail = GetThumbnailImage(entry);
    if (!thumbnail.empty()) AddNode(work, "Thumb", new CImageNode(kThumbImageX, kThumbImageY, kThumbZ, thumbnail, 0));
    AddPanelTexts(work, entry);
    AddWave(work, entry);
    workEntries_[number] = entry;

    drag_.node = work;
    drag_.number = number;
    drag_.origin = kFromPlace;
    drag_.place = place;
    root->RemoveAt(DataName(place));
    root->RemoveAt(InfoName(place));
    table_[currentPage_ * kPlacesPerPage + place] = kEmptyPlace;
    HoldDragged(work);
}

void CGalleryScreen::PickUpFromPad(int32_t number) {
    const std::string name = WorkName(number);
    CNode* root = GetRootNode();
    CNode* work = root->FindNode(name);
    if (!work) return;
    root->SetChildOrder(name, kWorkPanelZ);
    work->ReceiveMessage("ToBig");
    drag_.node = work;
    drag_.number = number;
    drag_.origin = kFromPad;
    drag_.place = -1;
    HoldDragged(work);
}

void CGalleryScreen::HoldDragged(CNode* node) {
    const POINT at = Position(node);
    const POINT cursor = GetCursorClientPos();
    drag_.startX = at.x;
    drag_.startY = at.y;
    drag_.grabX = at.x - cursor.x;
    drag_.grabY = at.y - cursor.y;
    MoveNode(node, at.x, at.y, 0, nullptr);
    RequestPanels("#Lock");
}

void CGalleryScreen::MoveDraggedToCursor() {
    if (!drag_.node) return;
    const POINT cursor = GetCursorClientPos();
    drag_.node->SetPosition(cursor.x + drag_.grabX, cursor.y + drag_.grabY);
}

void CGalleryScreen::Drop() {
    if (state_ != kGalleryDragging || !drag_.node) return;
    RequestPanels("#Release");
    CNode* root = GetRootNode();
    const POINT point = Position(drag_.node);
    if (IsInPad(point.x, point.y)) {
        drag_.node->ReceiveMessage("ToSmall");
    } else if (root->IsHitAt("Data*", point.x, point.y, kIdentity)) {
        FlyBack();
    } else {
        int32_t target = -1;
        for (int32_t place = 0; place < kPlacesPerPage && target < 0; ++place) {
            const RECT square = PlaceSquare(place);
            if (EntryAtPlace(place) == kEmptyPlace && point.x >= square.left && point.x < square.right &&
                point.y >= square.top && point.y < square.bottom) {
                target = place;
            }
        }
        if (target >= 0) {
            PlaceInto(target);
        } else {
            FlyBack();
        }
    }
    // Nothing else lets the mouse go after a drag from a place.
    if (GetCapture() == GetMainWindowHandle()) ReleaseCapture();
    drag_ = DragRecord();
    RaiseEvent(kGalleryReady, "OnDrop");
    const char* message = root->HasNodeAt("Work*") ? "Disable" : "Enable";
    for (const char* path : {"Projector", "PanelSave", "Exit", "Pad"}) root->Request(path, message);
}

void CGalleryScreen::PlaceInto(int32_t place) {
    if (place < 0 || place >= kPlacesPerPage) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlacePlaceInto);
    const int32_t entry = WorkEntry(drag_.number);
    GetRootNode()->RemoveAt(WorkName(drag_.number));
    workEntries_.erase(drag_.number);
    table_[currentPage_ * kPlacesPerPage + place] = entry;
    BuildPanel(place % kPlaceColumns, place / kPlaceColumns, entry);
    CSoundGroup* effects = GetSESoundGroup();
    effects->Load(CStandardButtonNode::kPressSoundChannel, "System/kachi01.wav");
    effects->Play(CStandardButtonNode::kPressSoundChannel, false, 0, 0);
}

void CGalleryScreen::FlyBack() {
    if (drag_.origin == kFromPlace) {
        const int32_t entry = WorkEntry(drag_.number);
        GetRootNode()->RemoveAt(WorkName(drag_.number));
        workEntries_.erase(drag_.number);
        table_[currentPage_ * kPlacesPerPage + drag_.place] = entry;
        BuildPanel(drag_.place % kPlaceColumns, drag_.place / kPlaceColumns, entry);
        return;
    }
    MoveNode(drag_.node, drag_.startX, drag_.startY, kFlyBackMs, EaseAccSig);
    CZoomAnimator zoom({kZoomTo, kParkedZoom}, {kZoomTo, kParkedZoom}, kFlyBackMs, EaseAccSig);
    drag_.node->ApplyCommand(&zoom);
    CMenuOpacityFade opaque(kFlyBackMs, 1.0, EaseAccSig);
    drag_.node->ApplyCommand(&opaque);
}
