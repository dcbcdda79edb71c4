// The game data of the gallery tests: "System/Gallery.txt" with the pages,
// nodes and classes the screens use, each event page counting its runs in
// a script variable, and every picture the screens name as a flat PNG of a
// known size, packed as System.dat in the test's base folder.
#pragma once

#include <string>

class CTempFolder;

// The variables the fixture's pages count in.
constexpr const char* kOnDragCount = "$20";
constexpr const char* kOnDropCount = "$21";
constexpr const char* kToBigCount = "$22";
constexpr const char* kToSmallCount = "$23";
constexpr const char* kSavingCount = "$24";
constexpr const char* kEndCautionCount = "$25";
constexpr const char* kNoSaveCount = "$26";
constexpr const char* kSaveOkCount = "$27";
constexpr const char* kSaveNoCount = "$28";
constexpr const char* kFadeBeginCount = "$29";
constexpr const char* kDataLoadCount = "$30";
constexpr const char* kDataSaveCount = "$31";
constexpr const char* kOkCautionCount = "$32";
constexpr const char* kCancelCautionCount = "$33";

// "BeginCaution_TableSaving" runs this long before it ends.
constexpr int kSavingNoticeMs = 200;

// Side of the panel pictures and the thumbnails.
constexpr int kPanelPictureSize = 100;
constexpr int kThumbWidth = 80;
constexpr int kThumbHeight = 60;

// The descriptions of "System/Save.def" in the fixture: "Forest" and
// "River" with a picture and a comment, "Bare" with a comment and no picture.
constexpr const char* kForestComment = "In the forest";
constexpr const char* kRiverComment = "By the river";
constexpr const char* kBareComment = "Nothing to see";

// Writes System.dat into the folder, with "Save.def" when asked; every
// counter set to 0.
void PackGalleryData(const CTempFolder& folder, bool withSaveDef);
