// What the demo's story shows at its first three key waits, at fixed points
// clear of what still moves, worked out from "S/Motion.txt" and
// "mn/Menu.txt" and the pictures' flat colours.
#pragma once

#include <cstdint>

#include "demo_colours.h"

// The bar that "mn/Menu.txt" draws along the bottom (#1C2430).
constexpr uint32_t kDemoMenuBar = 0x1C2430;

struct DemoProbe {
    int x, y;
    uint32_t colour;
    const char* what;
};

// "S/Motion.txt" at its first key wait (1500 ms): the background, the
// lantern moved to 100, 120, the coin zoomed to twice its 80 x 80 from
// 360, 100, the leaf faded in at 580, 140; the menu bar at full opacity with
// Clip dimmed by the root scene's "Disable".
constexpr DemoProbe kFirstWait[] = {
    {20, 20, kDemoSky, "sky"},
    {20, 500, kDemoGround, "ground"},
    {50, 170, kDemoSky, "where the lantern began"},
    {150, 170, kDemoLantern, "lantern"},
    {500, 240, kDemoCoin, "coin, beyond its own size"},
    {640, 200, kDemoLeaf, "leaf"},
    {20, 580, kDemoMenuBar, "menu bar"},
    {560, 580, kDemoSkip, "Skip"},
    {650, 580, kDemoClipOff, "Clip, dimmed"},
    {740, 580, kDemoSystem, "System"},
};

// At the second (4500 ms): the veil over everything of the story, the
// sparks at their ends away from these points; the menu above it.
constexpr DemoProbe kSecondWait[] = {
    {20, 20, kDemoVeil, "veil over the sky"},
    {20, 500, kDemoVeil, "veil over the ground"},
    {150, 170, kDemoVeil, "veil over the lantern"},
    {300, 300, kDemoVeil, "veil"},
    {20, 580, kDemoMenuBar, "menu bar"},
    {650, 580, kDemoClipOff, "Clip, dimmed"},
};

// At the third (5100 ms): the veil and the sparks gone, the coin back to its
// own size.
constexpr DemoProbe kThirdWait[] = {
    {20, 20, kDemoSky, "sky"},
    {300, 300, kDemoSky, "sky"},
    {150, 170, kDemoLantern, "lantern"},
    {400, 140, kDemoCoin, "coin"},
    {500, 240, kDemoSky, "sky beside the coin"},
    {640, 200, kDemoLeaf, "leaf"},
    {650, 580, kDemoClipOff, "Clip, dimmed"},
};
