// The most used node kind: a picture file shown through the picture base.
// The picture comes from the program's resource cache when the node enters a
// tree (Reset), goes back when the node is cleared or deactivated and is
// taken again on activation, so a picture whose last user is deactivated
// leaves memory. Instead of a file the node can hold a blank picture of its
// own that its creator paints (CreateBlankSurface).
#pragma once

#include <string>

#include "scene/picture_node.h"

class CImageNode : public CPictureNode {
public:
    // Loads nothing: the picture is taken by Reset.
    CImageNode(int x, int y, int z, std::string file, int drawMode);
    const std::string& GetFile() const { return file_; }
    // The scene-node part, the draw mode and the file name; no picture, so a
    // clone takes its own use of the picture when it is reset.
    CImageNode(const CImageNode& other);
    // Releases the picture.
    ~CImageNode() override;

    // Releases any picture, takes the file's from the cache ("Internal Error"
    // 2016-49 for an empty file name, "Graphic Error" 2016-108 when it cannot
    // be loaded), then resets the node.
    void Reset() override;
    // Gives the cached picture back or frees the own one, then clears the
    // node.
    void Clear() override;
    CNode* Clone() override;
    int GetNodeKind() override;
    // A cached picture goes back to the cache while the node is deactivated
    // and is taken again on activation ("Graphic Error" 2016-234 when it
    // cannot be loaded then); an own picture stays.
    void Deactivate() override;
    void Activate() override;
    CMemorySurface* GetSurface() override;
    const RECT* GetSourceRect() override;

    // Replaces the picture with an own width x height one whose pixels are
    // not cleared ("Graphic Error" 2016-188 when it cannot be made), then
    // resets the node.
    void CreateBlankSurface(int width, int height);

private:
    // Gives the cached picture back or frees the own one.
    void ReleaseSurface();

    std::string file_;
    CMemorySurface* surface_;
    // The picture belongs to the cache under file_ (also while it is given
    // back during deactivation).
    bool fromCache_;
};
