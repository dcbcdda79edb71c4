// mirl-torus: writes a ring torus as a LightWave object the game reads.
// Built for the build machine, so the game's build can make the demo's
// object without Wine.
//
//   mirl-torus RINGS SIDES MAJOR MINOR RRGGBB FILE
//
// The torus lies about the viewing axis (MakeTorus): RINGS x SIDES
// quadrilaterals as two triangles each, MAJOR the ring's radius and MINOR
// the tube's, in the object's units; its one surface has the colour RRGGBB
// (hexadecimal), full diffuse light and no specular light.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "lwo_writer/lwo_writer.h"

namespace {

[[noreturn]] void Usage() {
    std::cerr << "usage: mirl-torus RINGS SIDES MAJOR MINOR RRGGBB FILE\n";
    std::exit(2);
}

// A count from 3 to `limit`.
int ReadCount(const char* text, int limit) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || end == text || value < 3 || value > limit) Usage();
    return static_cast<int>(value);
}

// A finite radius greater than 0.
float ReadRadius(const char* text) {
    char* end = nullptr;
    const float value = std::strtof(text, &end);
    if (*end != '\0' || end == text || !std::isfinite(value) || !(value > 0)) Usage();
    return value;
}

uint32_t ReadColour(const std::string& text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) Usage();
    return static_cast<uint32_t>(std::stoul(text, nullptr, 16));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) Usage();
    // Two triangles per quadrilateral, within the 40,960 triangles the game
    // draws of one object.
    const int rings = ReadCount(argv[1], 200);
    const int sides = ReadCount(argv[2], 100);
    const float major = ReadRadius(argv[3]);
    const float minor = ReadRadius(argv[4]);
    const uint32_t colour = ReadColour(argv[5]);
    const std::string file = argv[6];

    LwoObject torus = MakeTorus(rings, sides, major, minor);
    LwoObject::Surface& surface = torus.surfaces.front();
    surface.red = ((colour >> 16) & 0xFF) / 255.0f;
    surface.green = ((colour >> 8) & 0xFF) / 255.0f;
    surface.blue = (colour & 0xFF) / 255.0f;
    const LwoBytes bytes = WriteLwoObject(torus);

    const std::string temporary = file + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "mirl-torus: cannot write " << temporary << "\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::cerr << "mirl-torus: cannot write " << file << "\n";
        return 1;
    }
    return 0;
}
