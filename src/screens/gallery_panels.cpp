// The gallery's pages and panels: the page titles and tabs, the panels of a
// page with their pictures, texts and marks, the flash after a save, the
// balloon of a hovered panel and the listener operations of the panel
// buttons.
#include "platform/easing.h"
#include "platform/error_report.h"
#include "scene/button_node.h"
#include "scene/class_node.h"
#include "scene/image_node.h"
#include "scene/node.h"
#include "screens/gallery_layout.h"
#include "screens/gallery_nodes.h"
#include "screens/gallery_screen.h"
#include "screens/menu_opacity_fade.h"
#include "text/text_node.h"

using namespace gallery_layout;
using namespace gallery_nodes;

namespace {

constexpr int kPlacePage = 613;
constexpr int kPlaceColumn = 659;
constexpr int kPlaceRow = 661;
constexpr int kPlaceHoverKind = 319;
constexpr int kPlaceOutsideKind = 346;
constexpr int kPlaceDownKind = 836;
constexpr int kPlaceBalloonPlace = 248;
constexpr int kPlaceBalloonPage = 250;

// A button that tells the screen its kind and place. The body only follows
// the hover: a press on a panel belongs to the frame or the thumbnail above
// it, which the body would otherwise take first.
CButtonNode* PanelButton(int x, int y, int z, CButtonListener* listener, int32_t kind, int32_t place) {
    auto* button = new CButtonNode(x, y, z, "");
    button->SetListener(listener, kind, place, 0);
    if (kind == kPanelBody) button->SetClickable(false);
    return button;
}

}  // namespace

bool CGalleryScreen::IsInPad(int x, int y) {
    return x >= kPadLeft && x < kPadRight && y >= kPadTop && y < kPadBottom;
}

RECT CGalleryScreen::PlaceSquare(int32_t place) {
    const int column = place % kPlaceColumns;
    const int row = place / kPlaceColumns;
    const int left = kSquareLeft + kColumnStep * column;
    const int top = kSquareTop + kRowStep * row;
    return RECT{left, top, left + kSquareSize, top + kSquareSize};
}

POINT CGalleryScreen::PanelPosition(int32_t place) {
    return POINT{kPanelLeft + kColumnStep * (place % kPlaceColumns), kPanelTop + kRowStep * (place / kPlaceColumns)};
}

int32_t CGalleryScreen::EntryAtPlace(int32_t place) const {
    if (place < 0 || place >= kPlacesPerPage || currentPage_ < 0 || currentPage_ > 2) return kEmptyPlace;
    return table_[currentPage_ * kPlacesPerPage + place];
}

void CGalleryScreen::SelectPage(int32_t page) {
    if (page < 0 || page > 2) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlacePage);
    if (page == currentPage_) return;
    currentPage_ = page;
    CNode* root = GetRootNode();
    root->RemoveAt("PageTitle");
    auto* title = AddNode(root, "PageTitle", new CImageNode(0, 0, kFrontZ, pageTitles_[page], 0));
    int width = 0, height = 0;
    title->GetSize(&width, &height);
    title->SetPosition(kTitleCentreX - width / 2, kTitleCentreY - height / 2);

    int behind = kFrontZ - 1;
    for (int32_t tab = 0; tab < pageCount_; ++tab) {
        root->SetChildOrder(Numbered("Tab%02d", tab), tab == page ? kFrontZ : behind--);
    }
    root->RemoveAt("Data*");
    for (int32_t place = 0; place < kPlacesPerPage; ++place) {
        const int32_t entry = table_[page * kPlacesPerPage + place];
        if (entry != kEmptyPlace) BuildPanel(place % kPlaceColumns, place / kPlaceColumns, entry);
    }
}

void CGalleryScreen::AddPanelTexts(CNode* node, int32_t entry) {
    AddNode(node, "Number",
           new CTextNode(kNumberX, kNumberY, kTextZ, 800, 600,
                         Numbered("<FONT color=white shadow='#00000001' face='G'>%03d", entry + 1)));
    const std::string text = GetPanelText(entry);
    if (text.empty()) return;
    auto* comment = AddNode(node, "Comment", new CTextNode(0, 0, kTextZ, 800, 600, "<FONT color=white face='G'>" + text));
    int width = 0, height = 0;
    comment->GetSize(&width, &height);
    comment->SetPosition(kCommentCentreX - width / 2, kCommentBottom - height);
}

void CGalleryScreen::AddWave(CNode* node, int32_t entry) {
    if (!waveMarks_) return;
    auto* wave = AddNode(node, "Wave", new CClassNode(0, 0, kWaveZ, "Wave"));
    if (entry == highlighted_) wave->ReceiveMessage("Show");
}

void CGalleryScreen::BuildPanel(int32_t column, int32_t row, int32_t entry) {
    if (column < 0 || column >= kPlaceColumns) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceColumn);
    if (row < 0 || row >= kPlaceRows) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceRow);
    const int32_t place = row * kPlaceColumns + column;
    const POINT at = PanelPosition(place);
    CNode* panel = AddNode(GetRootNode(), DataName(place), PanelButton(at.x, at.y, kPanelZ, this, kPanelBody, place));
    CNode* frame = AddNode(panel, "Frame", PanelButton(0, 0, kFrameZ, this, kPanelFrame, place));
    const std::string picture = GetPanelImage(entry);
    if (!picture.empty()) AddNode(frame, "Image", new CImageNode(0, 0, 0, picture, 0));
    AddPanelTexts(panel, entry);
    CNode* thumb = AddNode(panel, "Thumb", PanelButton(0, 0, kThumbZ, this, kPanelThumb, place));
    const std::string thumbnail = GetThumbnailImage(entry);
    if (!thumbnail.empty()) AddNode(thumb, "Image", new CImageNode(kThumbImageX, kThumbImageY, 0, thumbnail, 0));
    if (!IsEntryEnabled(entry)) {
        thumb->ReceiveMessage("Disable");
        return;
    }
    AddWave(panel, entry);
    AddNode(panel, "Focus", new CClassNode(0, 0, kFocusZ, "Focus"));
}

void CGalleryScreen::RefreshEntry(int32_t entry) {
    if (currentPage_ < 0 || currentPage_ > 2) return;
    CNode* root = GetRootNode();
    for (int32_t place = 0; place < kPlacesPerPage; ++place) {
        if (table_[currentPage_ * kPlacesPerPage + place] != entry) continue;
        root->RemoveAt(DataName(place));
        root->RemoveAt(InfoName(place));
        BuildPanel(place % kPlaceColumns, place / kPlaceColumns, entry);
        auto* flash = AddNode(root, DataName(place) + "/Flash",
                             new CImageNode(0, 0, kFlashZ, "System/flash_panel.png", 0));
        CMenuOpacityFade fade(kFlashMs, 0.0, EaseAcc2);
        flash->ApplyCommand(&fade);
    }
}

void CGalleryScreen::MoveHighlight(int32_t entry) {
    CNode* root = GetRootNode();
    root->Request("*/Wave", "Hide");
    for (int32_t place = 0; place < kPlacesPerPage; ++place) {
        if (EntryAtPlace(place) == entry) root->Request(DataName(place) + "/Wave", "Show");
    }
}

void CGalleryScreen::RemoveBalloon(int32_t place) { GetRootNode()->RemoveAt(InfoName(place)); }

void CGalleryScreen::ShowBalloon(int32_t place) {
    if (place < 0 || place >= kPlacesPerPage) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceBalloonPlace);
    if (currentPage_ < 0 || currentPage_ > 2) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceBalloonPage);
    RemoveBalloon(place);
    const int32_t entry = EntryAtPlace(place);
    if (entry == kEmptyPlace) return;
    const std::string text = GetBalloonText(entry);
    if (text.empty()) return;
    const POINT at = PanelPosition(place);
    CNode* root = GetRootNode();
    CNode* balloon = AddNode(root, InfoName(place),
                            new CClassNode(at.x + kBalloonDX, at.y + kBalloonDY, kBalloonZ, "Config_Balloon"));
    CNode* back = AddNode(balloon, "Back", new CImageNode(0, 0, 0, "System/balloon_base.png", 0));
    int logoHeight = 0;
    const std::string logo = GetBalloonLogoImage(entry);
    if (!logo.empty()) {
        auto* image = AddNode(back, "Logo", new CImageNode(kBalloonMargin, kBalloonMargin, 1, logo, 0));
        int width = 0;
        image->GetSize(&width, &logoHeight);
    }
    const int textY = logoHeight > 0 ? kBalloonMargin * 2 + logoHeight : kBalloonMargin;
    AddNode(back, "Comment", new CTextNode(kBalloonMargin, textY, 1, 800, 600, "<FONT size=12 face='G'>" + text));
}

void CGalleryScreen::OnHover(int32_t kind, int32_t index, uint32_t) {
    switch (kind) {
        case kPanelBody: ShowBalloon(index); break;
        case kPanelThumb: GetRootNode()->Request(DataName(index) + "/Focus", "Show"); break;
        case kPanelFrame:
        case kPanelWork: break;
        default: ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceHoverKind);
    }
}

void CGalleryScreen::OnOutside(int32_t kind, int32_t index, uint32_t) {
    switch (kind) {
        case kPanelBody: RemoveBalloon(index); break;
        case kPanelThumb: GetRootNode()->Request(DataName(index) + "/Focus", "Hide"); break;
        case kPanelFrame:
        case kPanelWork: break;
        default: ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceOutsideKind);
    }
}

void CGalleryScreen::OnDown(int32_t kind, int32_t index, uint32_t) {
    if (kind < kPanelBody || kind > kPanelWork) ErrorReport(ErrorKind::Internal, kModuleGallery, kPlaceDownKind);
    if (state_ != kGalleryReady) return;
    switch (kind) {
        case kPanelFrame:
            PickUpFromPlace(index);
            BeginDrag();
            break;
        case kPanelThumb: {
            const int32_t entry = EntryAtPlace(index);
            if (entry == kEmptyPlace) return;
            SelectEntry(entry);
            highlighted_ = entry;
            MoveHighlight(entry);
            break;
        }
        case kPanelWork:
            PickUpFromPad(index);
            BeginDrag();
            break;
        default:
            break;
    }
}
