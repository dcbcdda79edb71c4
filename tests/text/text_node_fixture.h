// Text nodes for the tests: built as the text statements build them and
// reset as a create command resets them, outside any scene.
#pragma once

#include <memory>
#include <string>

#include "text/text_node.h"

// A 400 x 120 box of 24-pixel glyphs with the typing settings.
inline std::unique_ptr<CTextNode> MakeTypedText(const std::string& text, int interval, int speed,
                                                int style = kTypeNormal, int x = 0, int y = 0) {
    auto node = std::make_unique<CTextNode>(x, y, 0, 400, 120, text, 0, 24, style, interval, speed);
    node->SetRenderMethod(kRenderSupersampled);
    node->Reset();
    return node;
}

// Advances the node a frame as the scene does: Update, then the transforms.
inline void Step(CTextNode& node, int ms) {
    node.Update(ms);
    node.UpdateTransform(CTransform2D(0, 0, 1, 1, 1, 0));
}
