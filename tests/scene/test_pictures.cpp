#include "test_pictures.h"

#include "packer/archive_writer.h"
#include "platform/archive_format.h"

namespace {

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutHalf(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

std::vector<uint8_t> RawPictureFile(int width, int height, const PixelFunction& pixel) {
    std::vector<uint8_t> out;
    PutWord(out, 0);
    PutWord(out, static_cast<uint32_t>(width));
    PutWord(out, static_cast<uint32_t>(height));
    PutWord(out, 0);
    PutWord(out, static_cast<uint32_t>(width * height * 4));
    PutWord(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) PutWord(out, pixel(x, y));
    }
    return out;
}

std::vector<uint8_t> BmpPictureFile(int width, int height, const PixelFunction& pixel) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> out = {'B', 'M'};
    PutWord(out, 54 + pixelBytes);
    PutWord(out, 0);
    PutWord(out, 54);
    PutWord(out, 40);
    PutWord(out, static_cast<uint32_t>(width));
    PutWord(out, static_cast<uint32_t>(height));
    PutHalf(out, 1);
    PutHalf(out, 24);
    for (int i = 0; i < 6; ++i) PutWord(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Color32 c = pixel(x, y);
            out.push_back(static_cast<uint8_t>(c));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c >> 16));
        }
        out.resize(out.size() + rowBytes - width * 3, 0);
    }
    return out;
}

Color32 PatternPixel(int x, int y) {
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
    h = (h ^ (h >> 13)) * 0x5bd1e995u;
    return h ^ (h >> 15);
}

void CPictureFolder::Pack(const std::string& folder,
                          const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) {
    std::vector<packer::PackEntry> entries;
    for (const auto& file : files) {
        entries.push_back({file.first, file.second, false, archive::kScramblePlain});
    }
    temp_.Write(folder + ".dat",
                packer::BuildArchive(archive::kVersion2, folder + ".dat", entries));
}
