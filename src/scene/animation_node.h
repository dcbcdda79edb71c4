// A sprite sheet: one rectangular cell (the chip) of a picture of many is
// shown through the picture base. The node has no clock of its own; a
// script animates it by choosing the cell with "SetChip" between waits.
// Unlike the image node it keeps its picture while deactivated.
#pragma once

#include <windows.h>

#include <string>

#include "scene/picture_node.h"

class CAnimationNode : public CPictureNode {
public:
    // Loads nothing: the sheet is taken by Reset.
    CAnimationNode(int x, int y, int z, std::string file, int drawMode);
    const std::string& GetFile() const { return file_; }
    // The scene-node part, the draw mode and the file name; neither the
    // sheet nor the chip, so a clone shows the whole sheet once reset.
    CAnimationNode(const CAnimationNode& other);
    // Gives the sheet back.
    ~CAnimationNode() override;

    // Takes the sheet from the cache ("Graphic Error" 2000-45 when it cannot
    // be loaded), shows all of it, then resets the node.
    void Reset() override;
    // Gives the sheet back, then clears the node.
    void Clear() override;
    CNode* Clone() override;
    // A chip command ("SetChip") chooses the cell (SetChip); every other
    // command goes to the picture base.
    void ApplyCommand(CScriptCommand* command) override;
    int GetNodeKind() override;
    CMemorySurface* GetSurface() override;
    // The chip.
    const RECT* GetSourceRect() override;

    // Shows the cell (left, top)-(right, bottom), right and bottom exclusive,
    // cut to the sheet: what lies outside is never read, and a cell with
    // nothing inside the sheet shows nothing. Marks the node dirty.
    void SetChip(int left, int top, int right, int bottom);

private:
    void ReleaseSurface();

    std::string file_;
    CMemorySurface* surface_;
    RECT chip_;
};
