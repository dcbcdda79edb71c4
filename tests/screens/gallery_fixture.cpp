#include "gallery_fixture.h"

#include <string>
#include <utility>
#include <vector>

#include "../graphics/picture_bytes.h"
#include "../script/scene_fixtures.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "support/temp_folder.h"

namespace {

const char kGalleryScript[] =
    "class Wave {\r\n"
    "    method Main { }\r\n"
    "    method Show { }\r\n"
    "    method Hide { }\r\n"
    "}\r\n"
    "class Focus {\r\n"
    "    method Main { }\r\n"
    "}\r\n"
    "class Config_Balloon {\r\n"
    "    method Main { }\r\n"
    "}\r\n"
    "class WorkPanel {\r\n"
    "    method Main { }\r\n"
    "    method ToBig { if ($22 += 1) ; }\r\n"
    "    method ToSmall { if ($23 += 1) ; }\r\n"
    "}\r\n"
    "class Plain {\r\n"
    "    method Main { }\r\n"
    "}\r\n"
    "page Main {\r\n"
    "    CreateButton(\"Pad\", 2, 720, 32, \"Plain\");\r\n"
    "    CreateNode(\"Caution\", 600, 0, 0);\r\n"
    "    CreateStandardButton(\"Caution/Yes\", 1, 300, 300, \"\", \"\", \"\", \"\", \"\", \"\", \"Yes\");\r\n"
    "    CreateStandardButton(\"Caution/No\", 1, 400, 300, \"\", \"\", \"\", \"\", \"\", \"\", \"No\");\r\n"
    "    label Idle;\r\n"
    "    wait 100000;\r\n"
    "    goto Idle;\r\n"
    "}\r\n"
    "page OnDrag { if ($20 += 1) ; }\r\n"
    "page OnDrop { if ($21 += 1) ; }\r\n"
    "page BeginCaution_TableSaving { if ($24 += 1) ; wait 200; }\r\n"
    "page EndCaution { if ($25 += 1) ; }\r\n"
    "page BeginCaution_TableNoSave { if ($26 += 1) ; }\r\n"
    "page TableSaveOK { if ($27 += 1) ; }\r\n"
    "page TableSaveNO { if ($28 += 1) ; }\r\n"
    "page FadeBegin { if ($29 += 1) ; }\r\n"
    "page BeginCaution_DataLoad { Delete(\"Caution/Thumb\"); Delete(\"Caution/Comment\"); Delete(\"Caution/Date\"); if ($30 += 1) ; }\r\n"
    "page BeginCaution_DataSave { Delete(\"Caution/Thumb\"); Delete(\"Caution/Comment\"); Delete(\"Caution/Date\"); if ($31 += 1) ; }\r\n"
    "page OKCaution { if ($32 += 1) ; }\r\n"
    "page CancelCaution { if ($33 += 1) ; }\r\n";

// A flat opaque picture.
Bytes FlatPng(uint32_t width, uint32_t height, uint8_t red, uint8_t green, uint8_t blue) {
    Bytes row;
    for (uint32_t x = 0; x < width; ++x) row.insert(row.end(), {red, green, blue});
    return EncodePng({width, height, 8, 2, std::vector<Bytes>(height, row), {}, {}});
}

}  // namespace

void PackGalleryData(const CTempFolder& folder, bool withSaveDef) {
    struct Picture {
        const char* name;
        uint32_t width;
        uint32_t height;
    };
    const Picture pictures[] = {
        {"graphic_tab01.png", 40, 30},   {"graphic_tab02.png", 40, 30},  {"graphic_tab03.png", 40, 30},
        {"save_page01.png", 120, 30},    {"save_page02.png", 120, 30},   {"save_page03.png", 120, 30},
        {"load_title.png", 200, 40},     {"save_title.png", 200, 40},    {"position_s_a.png", 90, 20},
        {"position_s_b.png", 90, 20},    {"position_s_c.png", 90, 20},   {"exit_s_a.png", 90, 20},
        {"exit_s_b.png", 90, 20},        {"exit_s_c.png", 90, 20},       {"bar_i.png", 90, 20},
        {"save_panel.png", 100, 100},    {"save_panel2.png", 100, 100},  {"save_clippanel.png", 100, 100},
        {"thumb_save_nodata.png", 80, 60}, {"thumb_a.png", 80, 60},      {"thumb_b.png", 80, 60},
        {"flash_panel.png", 100, 100},   {"balloon_base.png", 160, 80},  {"playdata_logo.png", 64, 16},
    };
    std::vector<packer::PackEntry> entries;
    entries.push_back({"Gallery.txt", Bytes(kGalleryScript, kGalleryScript + sizeof kGalleryScript - 1), true,
                       archive::kScrambleKeyStream});
    if (withSaveDef) {
        const std::string saveDef =
            "# the slots' descriptions\r\n"
            "\r\n"
            "Forest, \"System/thumb_a.png\", \"" + std::string(kForestComment) + "\"\r\n"
            "River, \"System/thumb_b.png\", '" + std::string(kRiverComment) + "'\r\n"
            "Bare, \"\", \"" + std::string(kBareComment) + "\"";
        entries.push_back({"Save.def", Bytes(saveDef.begin(), saveDef.end()), true, archive::kScrambleKeyStream});
    }
    uint8_t shade = 20;
    for (const Picture& picture : pictures) {
        entries.push_back({picture.name, FlatPng(picture.width, picture.height, shade, 255 - shade, 128), true,
                           archive::kScrambleKeyStream});
        shade += 9;
    }
    folder.Write("System.dat", packer::BuildArchive(archive::kVersion2, "System.dat", entries));
    for (int variable = 20; variable <= 33; ++variable) SetVariable(("$" + std::to_string(variable)).c_str(), 0);
}
