#include "graphics/image_file.h"

#include "graphics/png_image.h"
#include "platform/paths.h"

bool LoadImageFile(CMemorySurface& surface, const std::string& path) {
    std::string extension = GetExtension(path);
    MakeLowerCase(extension);
    if (extension == "png") return LoadPngImage(surface, path) == 0;
    surface.SetUseDibSection(true);
    return surface.Load(path, false) == 0;
}
