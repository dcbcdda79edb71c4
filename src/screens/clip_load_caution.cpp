// The quick load's question panel, filled with what the quick-save slot
// holds: its thumbnail, comment and date, as "System/Save.def" describes
// the slot's caption. The panel "Menu/Caution" itself belongs to the menu
// script, which builds it on "Begin_ClipLoad" and removes it again.
#include <cstdio>
#include <memory>
#include <string>

#include "platform/error_report.h"
#include "platform/save_data.h"
#include "scene/image_node.h"
#include "screens/in_game_menu.h"
#include "screens/quick_save.h"
#include "screens/save_def.h"
#include "screens/sub_screen_frame.h"
#include "text/text_node.h"

const std::string QuickSaveFileName = "UserData/Play0001.dat";

namespace {

constexpr int kPlaceSaveDefMissing = 1662;
constexpr int kPlaceRepeatedKey = 1693;

// The text boxes' markup start: the gothic face in dark blue, bold.
const char kCautionMarkup[] = "<FONT face='G' color='RGB(23,30,138)'><B>";
constexpr int kTextX = 118;
constexpr int kCommentY = 21;
constexpr int kDateY = 38;
constexpr int kTextBoxWidth = 800;
constexpr int kTextBoxHeight = 600;
constexpr int kTextSize = 14;
constexpr int kTextStyle = 1;
constexpr int kThumbX = 69;
constexpr int kThumbY = 20;
constexpr double kThumbZoom = 0.5;

// "2004/03/05  9:07" after the markup.
std::string FormatDate(const SaveStamp& stamp) {
    enum { kMinute = 1, kHour = 2, kDay = 3, kMonth = 4, kYear = 5 };
    char text[128];
    std::snprintf(text, sizeof text, "%s%04d/%02d/%02d %2d:%02d", kCautionMarkup, stamp.fields[kYear] + 1900,
                  stamp.fields[kMonth] + 1, stamp.fields[kDay], stamp.fields[kHour], stamp.fields[kMinute]);
    return text;
}

// Always drawn anti-aliased, whatever the setting says.
std::unique_ptr<CNode> MakeCautionText(int y, const std::string& text) {
    auto node = std::make_unique<CTextNode>(kTextX, y, 0, kTextBoxWidth, kTextBoxHeight, text, 0, kTextSize,
                                            kTextStyle, 0, 0);
    node->SetRenderMethod(kRenderSupersampled);
    return node;
}

}  // namespace

void CInGameMenu::ShowClipLoadCaution() {
    CPlayData slot;
    if (!slot.Load(QuickSaveFileName)) return;
    const SaveDefTable table = ReadSaveDef({kModuleInGameMenu, kPlaceSaveDefMissing, kPlaceRepeatedKey});
    const auto found = table.find(slot.vars.caption);
    if (found == table.end()) return;
    const SaveDefEntry& entry = found->second;
    const std::string date = FormatDate(slot.vars.stamp);

    CNode* canvas = GetRootNode();
    if (!entry.picture.empty()) {
        CNode* thumb = AddAttached(canvas, "Menu/Caution/Thumb", std::make_unique<CImageNode>(kThumbX, kThumbY, 0,
                                                                                            entry.picture, 0));
        if (thumb) thumb->SetZoom(kThumbZoom, kThumbZoom);
    }
    AddAttached(canvas, "Menu/Caution/Comment", MakeCautionText(kCommentY, kCautionMarkup + entry.comment));
    AddAttached(canvas, "Menu/Caution/Date", MakeCautionText(kDateY, date));
}
