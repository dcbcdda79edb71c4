// LZSS decoding throughput beside a plain memory copy of the same output
// size, and the time to open and read a 1 MB entry that is the last of 2,000
// entries in an archive.
//
//   scripts/session start build
//   scripts/wine-run build/bin/archive_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "packer/archive_writer.h"
#include "packer/lzss_encoder.h"
#include "platform/data_file.h"
#include "platform/lzss.h"
#include "platform/paths.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Script-like text: words, numbers, Shift-JIS and CR LF line ends.
Bytes MakeText(size_t size, unsigned seed) {
    static const char* words[] = {"CreateImage", "(", "\"bg/room.png\"", ", ", "120", ");", "\r\n",
                                  "\x82\xa0\x82\xa2\x82\xa4", "wait ", "SoundPlay", "  ", "0x", "7F"};
    std::mt19937 random(seed);
    Bytes out;
    while (out.size() < size) {
        for (const char* w = words[random() % 13]; *w && out.size() < size; ++w) out.push_back(*w);
    }
    return out;
}

// Picture-like 32-bit pixels: smooth gradients with a little noise.
Bytes MakePixels(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Bytes out(size);
    for (size_t i = 0; i + 4 <= size; i += 4) {
        size_t x = (i / 4) % 800, y = (i / 4) / 800;
        out[i] = static_cast<uint8_t>(x / 4);
        out[i + 1] = static_cast<uint8_t>(y / 3 + (random() % 4 == 0));
        out[i + 2] = static_cast<uint8_t>((x + y) / 8);
        out[i + 3] = 0xFF;
    }
    return out;
}

void BenchDecode(const char* what, const Bytes& original) {
    Bytes packed = packer::LzssEncode(original.data(), original.size());
    uint32_t size = static_cast<uint32_t>(original.size());
    Bytes out(size), copy(size);
    uint8_t* destination = out.data();
    int rounds = 0;
    double start = Now(), elapsed = 0;
    while (elapsed < 1.0) {
        LzssDecode(packed.data(), static_cast<uint32_t>(packed.size()), destination, size, false);
        ++rounds;
        elapsed = Now() - start;
    }
    if (out != original) std::printf("%s: DECODED BYTES DIFFER\n", what);
    double copyStart = Now();
    for (int i = 0; i < rounds; ++i) {
        std::memcpy(copy.data(), i % 2 ? out.data() : original.data(), size);
    }
    double copyElapsed = Now() - copyStart;
    double megabytes = static_cast<double>(size) * rounds / 1e6;
    std::printf("%-8s %5.1f MB packed to %5.1f%%: LZSS decode %7.1f MB/s, memcpy %8.1f MB/s\n", what,
                size / 1e6, 100.0 * packed.size() / size, megabytes / elapsed, megabytes / copyElapsed);
}

void BenchArchiveOpen(const std::string& folder, bool pack) {
    std::vector<packer::PackEntry> entries;
    for (int i = 0; i < 1999; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "scene%04d.txt", i);
        entries.push_back({name, MakeText(300 + i % 500, i), true, 1});
    }
    Bytes big = MakePixels(1 << 20, 5);
    entries.push_back({"Big.abm", big, pack, static_cast<uint8_t>(pack ? 1 : 0)});
    Bytes archive = packer::BuildArchive(2, "Bench.dat", entries);
    std::string path = folder + "Bench.dat";
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(archive.data(), 1, archive.size(), file);
    std::fclose(file);

    SetBaseDirectory(folder);
    const int opens = 50;
    double start = Now();
    for (int i = 0; i < opens; ++i) {
        CDataFile data;
        if (data.OpenWhole("Bench/big.abm", false) != 0 || data.GetSize() != big.size() ||
            std::memcmp(data.GetData(), big.data(), big.size()) != 0) {
            std::printf("archive entry NOT READ\n");
            return;
        }
    }
    double perOpen = (Now() - start) / opens;
    std::printf("open and read the 1 MB entry (%s), last of 2000 entries: %.2f ms\n",
                pack ? "packed, key stream" : "stored, plain", perOpen * 1000);
    DeleteFileA(path.c_str());
}

}  // namespace

int main() {
    BenchDecode("text", MakeText(16 << 20, 1));
    BenchDecode("pixels", MakePixels(16 << 20, 2));

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "mirl-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    BenchArchiveOpen(folder, true);
    BenchArchiveOpen(folder, false);
    RemoveDirectoryA(folder.c_str());
    return 0;
}
