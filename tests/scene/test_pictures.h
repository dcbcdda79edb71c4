// Picture files for the picture-node tests, packed into archives in a
// temporary base directory where the resource cache finds them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "graphics/color32.h"
#include "support/temp_folder.h"

using PixelFunction = std::function<Color32(int x, int y)>;

// A raw picture ("abm"): it loads with alpha, each pixel as given.
std::vector<uint8_t> RawPictureFile(int width, int height, const PixelFunction& pixel);
// A 24-bit BMP: it loads without alpha, each pixel's colour bits as given.
std::vector<uint8_t> BmpPictureFile(int width, int height, const PixelFunction& pixel);

// A pattern of varied colours and alphas for pictures of any size.
Color32 PatternPixel(int x, int y);

class CPictureFolder {
public:
    CPictureFolder() : base_(temp_.Path()) {}
    // Writes the files as folder.dat, so that "folder/name" finds them.
    void Pack(const std::string& folder,
              const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files);

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_;
};
