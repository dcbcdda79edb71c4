// The node tree every menu sub-screen shares: under the menu layer's "Sub"
// a frame running the script class "Config_Balloon", in it the group "N"
// with the background picture "Back" and one standard button per item.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CNode;

// One item of a sub-screen: a standard button at (x, y) of the group that
// sends its message when pressed. An empty Invalid picture makes none.
struct SubScreenItem {
    std::string name;
    int x;
    int y;
    std::string normal;
    std::string highlight;
    std::string down;
    std::string invalid;
    std::string sound;
    std::string message;
};

// Adds the node at the path under the canvas and attaches it (Reset);
// returns it. An add that fails reports its error and frees the node.
CNode* AddAttached(CNode* canvas, const std::string& path, std::unique_ptr<CNode> node);

// The path of the group, and of an item in it.
extern const std::string kSubScreenPath;
extern const std::string kSubScreenItems;
std::string SubScreenItemPath(const std::string& item);

// Replaces any open sub-screen under the canvas by a new one: the frame at
// (frameX, 480), the group, the background and the items in order, each
// attached as it is added.
void BuildSubScreen(CNode* canvas, int frameX, const std::string& background, const std::vector<SubScreenItem>& items);

// Every item lets go, then the named one (none when empty) is held down.
void HoldSubScreenItem(CNode* canvas, const std::string& item);
