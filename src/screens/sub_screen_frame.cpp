#include "screens/sub_screen_frame.h"

#include "scene/class_node.h"
#include "scene/composite/standard_button_node.h"
#include "scene/image_node.h"
#include "scene/scene_node.h"

const std::string kSubScreenPath = "Menu/Sub";
const std::string kSubScreenItems = "Menu/Sub/N/*";

namespace {

constexpr int kFrameY = 480;
constexpr int kFrameZ = 100;
constexpr int kGroupX = -151;
constexpr int kGroupY = -363;
constexpr int kDrawNormal = 0;

}  // namespace

CNode* AddAttached(CNode* canvas, const std::string& path, std::unique_ptr<CNode> node) {
    if (!canvas->AddChild(path, node.get())) return nullptr;
    CNode* added = node.release();
    added->Reset();
    return added;
}

std::string SubScreenItemPath(const std::string& item) { return "Menu/Sub/N/" + item; }

void BuildSubScreen(CNode* canvas, int frameX, const std::string& background, const std::vector<SubScreenItem>& items) {
    canvas->RemoveAt(kSubScreenPath);
    AddAttached(canvas, kSubScreenPath, std::make_unique<CClassNode>(frameX, kFrameY, kFrameZ, "Config_Balloon"));
    AddAttached(canvas, "Menu/Sub/N", std::make_unique<CSceneNode>(kGroupX, kGroupY, 0));
    AddAttached(canvas, SubScreenItemPath("Back"), std::make_unique<CImageNode>(0, 0, 0, background, kDrawNormal));
    for (const SubScreenItem& item : items) {
        AddAttached(canvas, SubScreenItemPath(item.name),
                    std::make_unique<CStandardButtonNode>(item.x, item.y, 0, std::string(), item.message, item.normal,
                                                          item.highlight, item.down, item.invalid, item.sound));
    }
}

void HoldSubScreenItem(CNode* canvas, const std::string& item) {
    canvas->Request(kSubScreenItems, "ButtonRelease");
    if (!item.empty()) canvas->Request(SubScreenItemPath(item), "ButtonPress");
}
