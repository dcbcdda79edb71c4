#include "screens/slot_screen.h"

#include <cstdio>
#include <memory>

#include "platform/data_file.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "scene/image_node.h"
#include "screens/gallery_nodes.h"
#include "script/scene_host.h"
#include "text/text_node.h"

using namespace gallery_nodes;

const SlotScreenKind kLoadScreenKind = {
    "System/load_title.png", "BeginCaution_DataLoad", true, 21, true, true, true,
    kModuleLoadScreen, 363, 391, 76, 81,
};

const SlotScreenKind kSaveScreenKind = {
    "System/save_title.png", "BeginCaution_DataSave", false, 28, false, false, false,
    kModuleSaveScreen, 356, 386, 77, 82,
};

namespace {

enum StampField { kMinute = 1, kHour = 2, kDay = 3, kMonth = 4, kYear = 5 };

const char kCommentMarkup[] = "<FONT face='G' color='RGB(23,30,138)'><B>";
const char kDateMarkup[] = "<FONT face=G color='RGB(23,30,138)'><B>";
constexpr int kCautionTextX = 118;
constexpr int kCautionDateY = 38;
constexpr int kCautionThumbX = 69;
constexpr int kCautionThumbY = 20;
constexpr double kCautionThumbZoom = 0.5;
constexpr int kCautionTextSize = 14;
constexpr int kCautionTextStyle = 1;

// The confirmation's texts, drawn anti-aliased as the menu's own caution.
CTextNode* CautionText(int y, const std::string& text) {
    auto* node = new CTextNode(kCautionTextX, y, 0, 800, 600, text, 0, kCautionTextSize, kCautionTextStyle, 0, 0);
    node->SetRenderMethod(kRenderSupersampled);
    return node;
}

std::string Formatted(const char* format, const std::string& text, const SaveStamp& stamp) {
    const auto& f = stamp.fields;
    const int size = std::snprintf(nullptr, 0, format, text.c_str(), f[kYear] + 1900, f[kMonth] + 1, f[kDay],
                                   f[kHour], f[kMinute]);
    std::string out(size + 1, '\0');
    std::snprintf(&out[0], out.size(), format, text.c_str(), f[kYear] + 1900, f[kMonth] + 1, f[kDay], f[kHour],
                  f[kMinute]);
    out.resize(size);
    return out;
}

}  // namespace

CSlotScreen::CSlotScreen(const SlotScreenKind& kind) : kind_(kind) {
    pageTitles_[0] = "System/save_page01.png";
    pageTitles_[1] = "System/save_page02.png";
    pageTitles_[2] = "System/save_page03.png";
    titleImage_ = kind.titleImage;
    projectorShown_ = false;
    totalShown_ = false;
    waveMarks_ = true;
    pageCount_ = 3;
    tableFile_ = SaveSlotTableFile();
}

CLoadScreen::CLoadScreen() : CSlotScreen(kLoadScreenKind) {}

CSaveScreen::CSaveScreen() : CSlotScreen(kSaveScreenKind) {}

void CSlotScreen::PrepareEntries() {
    for (int32_t entry = 0; entry < kSlotTableSize; ++entry) {
        SaveSlotRecord& record = records_[entry];
        record = SaveSlotRecord();
        record.fileName = PlayDataSlotPath(entry + 1);
        CDataFile probe;
        if (probe.OpenStream(record.fileName, "rb", true) != 0) continue;
        probe.Close();
        // A file the reader refuses shows as an empty slot and stays as it
        // is: one damaged file must not stop all saving.
        CPlayData slot;
        if (!slot.Load(record.fileName)) continue;
        record.exists = true;
        record.caption = slot.vars.caption;
        record.stamp = slot.vars.stamp;
        record.marked = slot.vars.values[kMarkVariable] == 1;
    }
    descriptions_ = ReadSaveDef({kind_.module, kind_.placeSaveDefMissing, kind_.placeRepeatedKey});
}

const SaveDefEntry* CSlotScreen::DescriptionOf(int32_t entry) const {
    const SaveSlotRecord& record = records_[entry];
    if (!record.exists) return nullptr;
    auto found = descriptions_.find(record.caption);
    return found == descriptions_.end() ? nullptr : &found->second;
}

std::string CSlotScreen::DescribedText(int32_t entry, bool withTime) const {
    const SaveDefEntry* description = DescriptionOf(entry);
    if (!description) return std::string();
    return Formatted(withTime ? "%s<BR><FONT shadow='#00000001'>%04d/%02d/%02d %2d:%02d"
                              : "%s<BR><FONT shadow='#00000001'>%04d/%02d/%02d",
                     description->comment, records_[entry].stamp);
}

std::string CSlotScreen::GetPanelImage(int32_t entry) {
    if (entry == 0) return "System/save_clippanel.png";
    const SaveSlotRecord& record = records_[entry];
    return record.exists && record.marked ? "System/save_panel2.png" : "System/save_panel.png";
}

std::string CSlotScreen::GetThumbnailImage(int32_t entry) {
    if (!records_[entry].exists) return "System/thumb_save_nodata.png";
    const SaveDefEntry* description = DescriptionOf(entry);
    return description ? description->picture : std::string();
}

std::string CSlotScreen::GetPanelText(int32_t entry) { return DescribedText(entry, false); }

std::string CSlotScreen::GetBalloonText(int32_t entry) { return DescribedText(entry, true); }

std::string CSlotScreen::GetBalloonLogoImage(int32_t) { return "System/playdata_logo.png"; }

bool CSlotScreen::IsEntryEnabled(int32_t entry) { return !kind_.onlyExistingSlots || records_[entry].exists; }

void CSlotScreen::SelectProjector() {}

void CSlotScreen::SelectEntry(int32_t entry) {
    selected_ = entry;
    stateBefore_ = state_;
    MoveHighlight(entry);
    RaiseEvent(kGalleryConfirm, kind_.selectEvent);

    const std::string& key = kind_.keyFromChosenSlot ? records_[entry].caption : GetSavedPlayData().vars.caption;
    auto found = descriptions_.find(key);
    if (found == descriptions_.end()) return;
    const SaveDefEntry& description = found->second;
    CNode* root = GetRootNode();
    if (!description.picture.empty()) {
        auto* thumb = AddNode(root, "Caution/Thumb",
                              new CImageNode(kCautionThumbX, kCautionThumbY, 0, description.picture, 0));
        thumb->SetZoom(kCautionThumbZoom, kCautionThumbZoom);
    }
    AddNode(root, "Caution/Comment", CautionText(kind_.commentY, kCommentMarkup + description.comment));
    if (kind_.showsDate) {
        AddNode(root, "Caution/Date",
                CautionText(kCautionDateY, Formatted("%s%04d/%02d/%02d %2d:%02d", kDateMarkup,
                                                     records_[entry].stamp)));
    }
}

void CSlotScreen::OnEvent(std::string name) {
    if (state_ == kGalleryConfirm && name == "Yes") {
        Confirm();
    } else if (state_ == kGalleryConfirm && name == "No") {
        Cancel();
    } else {
        CGalleryScreen::OnEvent(std::move(name));
    }
}

int CSlotScreen::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RBUTTONDOWN && state_ == kGalleryConfirm) {
        Cancel();
        return 1;
    }
    return CGalleryScreen::HandleWindowMessage(window, message, wParam, lParam);
}

void CSlotScreen::Cancel() {
    GetRootNode()->Request("*/Wave", "Hide");
    RaiseEvent(stateBefore_, "CancelCaution");
}

void CSlotScreen::Confirm() {
    GetRootNode()->Request("*/Wave", "Hide");
    if (selected_ < 0 || selected_ >= kSlotTableSize) {
        ErrorReport(ErrorKind::Internal, kind_.module, kind_.placeNoSelection);
    }
    SaveSlotRecord& record = records_[selected_];
    if (kind_.loads) {
        if (!GetPlayData().Load(record.fileName)) ErrorReport(ErrorKind::FileIO, kind_.module, kind_.placeSlotFailed);
        GetSavedPlayData().vars = GetPlayData().vars;
        GetSceneHost()->ReturnScene("LoadGame");
    } else {
        CPlayData& saved = GetSavedPlayData();
        if (!saved.Save(record.fileName)) ErrorReport(ErrorKind::FileIO, kind_.module, kind_.placeSlotFailed);
        record.exists = true;
        record.caption = saved.vars.caption;
        record.stamp = saved.vars.stamp;
        record.marked = saved.vars.values[kMarkVariable] == 1;
        RefreshEntry(selected_);
    }
    RaiseEvent(stateBefore_, "OKCaution");
}
