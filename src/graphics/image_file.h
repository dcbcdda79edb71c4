// Loading a picture file for drawing, by its extension: PNG through the PNG
// reader into a heap surface, everything else (BMP, raw images, pictures
// OLE reads) through the surface's own load into a DIB section.
#pragma once

#include <string>

#include "graphics/memory_surface.h"

// True when the picture was loaded.
bool LoadImageFile(CMemorySurface& surface, const std::string& path);
