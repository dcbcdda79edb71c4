#include "screens/gallery_screen.h"

#include "platform/error_report.h"
#include "scene/color_node.h"
#include "scene/composite/standard_button_node.h"
#include "scene/image_node.h"
#include "scene/node.h"
#include "scene/scene_node.h"
#include "screens/gallery_layout.h"
#include "screens/gallery_nodes.h"
#include "script/scene_host.h"
#include "script/script_unit.h"
#include "text/text_node.h"

using namespace gallery_layout;
using namespace gallery_nodes;

namespace {

const char kTabPictures[3][32] = {"System/graphic_tab01.png", "System/graphic_tab02.png",
                                  "System/graphic_tab03.png"};
const char kTabSound[] = "System/pera01.wav";
const char kButtonSound[] = "System/ca.wav";
const char kInvalidBar[] = "System/bar_i.png";
constexpr size_t kSelectPanelLength = 11;

}  // namespace

CGalleryScreen::CGalleryScreen()
    : CScene(kScriptFile), table_(EmptySlotTable()), tableCopy_(EmptySlotTable()) {}

CGalleryScreen::~CGalleryScreen() { Close(); }

int CGalleryScreen::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE: {
            const int result = CScene::HandleWindowMessage(window, message, wParam, lParam);
            if (state_ == kGalleryDragging) MoveDraggedToCursor();
            return result;
        }
        case WM_LBUTTONDOWN:
            if (state_ == kGallerySavingNotice) {
                RaiseEvent(kGalleryReady, "EndCaution");
                return 1;
            }
            break;
        case WM_LBUTTONUP:
            if (drag_.node) Drop();
            break;
        case WM_KEYDOWN:
        case WM_RBUTTONDOWN:
            if (state_ == kGallerySavingNotice) {
                RaiseEvent(kGalleryReady, "EndCaution");
                return 1;
            }
            if (state_ == kGalleryAskSave) {
                GetRootNode()->Request("Caution/No", "ButtonPress");
                RaiseEvent(kGalleryLeaving, "TableSaveNO");
                return 1;
            }
            break;
        default:
            break;
    }
    return CScene::HandleWindowMessage(window, message, wParam, lParam);
}

void CGalleryScreen::Update(int ms) {
    CScene::Update(ms);
    if (eventLatch_ && GetExecutor()->IsFinished()) {
        eventLatch_ = false;
        SetState(pendingState_);
    }
}

void CGalleryScreen::Close() {
    if (state_ == kGalleryDragging && GetCapture()) ReleaseCapture();
    drag_ = DragRecord();
    CScene::Close();
}

void CGalleryScreen::OnEvent(std::string name) {
    if (name == "ControlLock") {
        RequestPanels("#Lock");
        return;
    }
    if (name == "ControlRelease") {
        RequestPanels("#Release");
        return;
    }
    if (name == "ControlKillHighlight") {
        highlighted_ = -1;
        GetRootNode()->Request("*/Wave", "Hide");
        return;
    }
    if (state_ == kGalleryReady) {
        HandleReadyEvent(name);
    } else if (state_ == kGalleryAskSave) {
        if (name == "Yes") {
            WriteTableNow();
            GetRootNode()->Request("Caution/Yes", "ButtonPress");
            RaiseEvent(kGalleryLeaving, "TableSaveOK");
        } else if (name == "No") {
            GetRootNode()->Request("Caution/No", "ButtonPress");
            RaiseEvent(kGalleryLeaving, "TableSaveNO");
        }
    }
}

void CGalleryScreen::HandleReadyEvent(const std::string& name) {
    for (int32_t page = 0; page < 3; ++page) {
        if (name == Numbered("Page%02d", page)) {
            SelectPage(page);
            return;
        }
    }
    if (name == "SelectProjector") {
        SelectProjector();
    } else if (name.compare(0, kSelectPanelLength, "SelectPanel") == 0) {
        // Two decimal digits name the entry; anything else names none.
        const std::string digits = name.substr(kSelectPanelLength, 2);
        if (digits.size() != 2 || digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9') return;
        const int32_t entry = (digits[0] - '0') * 10 + (digits[1] - '0');
        if (entry < kSlotTableSize) SelectEntry(entry);
    } else if (name == "SaveTable") {
        RaiseEvent(kGallerySavingNotice, "BeginCaution_TableSaving");
        WriteTableNow();
    } else if (name == "Exit") {
        if (GetRootNode()->HasNodeAt("Work*")) return;
        if (table_ == tableCopy_) {
            OnLeave();
            RaiseEvent(kGalleryLeaving, "FadeBegin");
        } else {
            RaiseEvent(kGalleryAskSave, "BeginCaution_TableNoSave");
        }
    }
}

void CGalleryScreen::StartMain() {
    nextWorkNumber_ = 100;
    state_ = kGalleryReady;
    currentPage_ = -1;
    highlighted_ = -1;
    eventLatch_ = false;
    drag_ = DragRecord();
    workEntries_.clear();
    PrepareEntries();
    OpenSlotTable(tableFile_, table_, tableCopy_, [this] { CompleteTable(); });
    RunFrom(GetScriptName(), "Main");
    Build();
    SelectPage(0);
}

void CGalleryScreen::Build() {
    CNode* root = GetRootNode();
    for (int32_t page = 2; page >= 0; --page) {
        if (page >= pageCount_) continue;
        AddNode(root, Numbered("Tab%02d", page),
               new CStandardButtonNode(kTabX, kTabY, kFrontZ, "", Numbered("Page%02d", page), kTabPictures[page], "",
                                       "", "", kTabSound));
    }
    AddNode(root, "Logo", new CImageNode(kLogoX, kLogoY, kLogoZ, titleImage_, 0));
    AddNode(root, "PadBase",
           new CColorNode(kPadLeft, kPadTop, kPadBaseZ, kPadRight - kPadLeft, kPadBottom - kPadTop,
                          0xFF000000u | kPadBaseColour, kColorBlendNormal));
    if (projectorShown_) {
        auto* projector = new CButtonNode(kProjectorX, kProjectorY, kProjectorZ, "Projector");
        AddNode(root, "Projector", projector);
    }
    AddNode(root, "PanelSave",
           new CStandardButtonNode(kPanelSaveX, kPanelSaveY, kFrontZ, "", "SaveTable", "System/position_s_a.png",
                                   "System/position_s_c.png", "System/position_s_b.png", kInvalidBar, kButtonSound));
    AddNode(root, "Exit",
           new CStandardButtonNode(kExitX, kExitY, kFrontZ, "", "Exit", "System/exit_s_a.png",
                                   "System/exit_s_c.png", "System/exit_s_b.png", kInvalidBar, kButtonSound));
    if (totalShown_) {
        AddNode(root, "Total", new CImageNode(kTotalX, kTotalY, kTotalZ, "System/gallery_total.bmp", 0));
        AddNode(root, "Total/Ratio", new CSceneNode(kRatioX, kRatioY, 0));
        AddNode(root, "Total/Ratio/Text", new CTextNode(0, 0, 0, 800, 600, GetTotalText()));
    }
}

void CGalleryScreen::SetState(int32_t state) {
    if (state == state_) return;
    state_ = state;
    if (state == kGalleryLeaving) GetSceneHost()->ReturnScene(std::string());
}

void CGalleryScreen::CompleteTable() { CompleteSlotTable(table_); }

std::string CGalleryScreen::GetTotalText() { return std::string(); }

void CGalleryScreen::RaiseEvent(int32_t next, const std::string& page) {
    if (eventLatch_) return;
    auto unit = GetScriptCache()->Find(GetScriptName());
    bool running = false;
    if (unit && unit->HasPage(page)) {
        CScriptExecutor* executor = GetExecutor();
        executor->Clear();
        executor->FarCall(GetScriptName(), page);
        if (IsAttached()) RunScript(0);
        running = !executor->IsFinished();
    }
    if (running) {
        eventLatch_ = true;
        pendingState_ = next;
        state_ = kGalleryBusy;
    } else {
        eventLatch_ = false;
        SetState(next);
    }
}

void CGalleryScreen::RequestPanels(const char* message) {
    CNode* root = GetRootNode();
    for (const char* path : {"*/Frame", "*/Focus", "*/Thumb"}) root->Request(path, message);
}

void CGalleryScreen::WriteTableNow() {
    WriteTable(tableFile_, table_);
    tableCopy_ = table_;
}

void CGalleryScreen::OnCreate(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnDestroy(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnEnable(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnDisable(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnUp(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnPress(int32_t, int32_t, uint32_t) {}
void CGalleryScreen::OnRelease(int32_t, int32_t, uint32_t) {}
