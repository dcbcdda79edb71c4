// Damage made to generated AVI files, shared by the sound source and movie
// tests: the structural damages a reader must refuse, the legal late start
// of a sound stream, and seeded random damage of the fields the readers
// trust. Fields are found by walking the file's chunks, so the same damage
// fits every generated file.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace avi_damage {

inline uint32_t Get32(const Bytes& avi, size_t at) {
    uint32_t value;
    std::memcpy(&value, &avi[at], 4);
    return value;
}
inline void Put32(Bytes& avi, size_t at, uint32_t value) { std::memcpy(&avi[at], &value, 4); }
inline uint16_t Get16(const Bytes& avi, size_t at) { return uint16_t(avi[at] | avi[at + 1] << 8); }
inline void Put16(Bytes& avi, size_t at, uint16_t value) { std::memcpy(&avi[at], &value, 2); }

enum class Codec { Any, MsAdpcm, ImaAdpcm };

// Where the parts of a file lie: each the position of a chunk's header.
struct Layout {
    size_t mainHeader = 0;
    std::vector<size_t> streamLists;
    std::vector<size_t> streamHeaders;
    std::vector<size_t> streamFormats;
    size_t movi = 0;
    size_t index = 0;
    std::vector<size_t> sizeFields;  // every chunk's size field
    // The sound stream's header and format.
    size_t soundHeader = 0;
    size_t soundFormat = 0;
    size_t IndexEntries(const Bytes& avi) const { return Get32(avi, index + 4) / 16; }
    size_t Entry(size_t n) const { return index + 8 + 16 * n; }
};

inline void Walk(const Bytes& avi, size_t from, size_t end, Layout* layout) {
    for (size_t at = from; at + 8 <= end;) {
        const uint32_t size = Get32(avi, at + 4);
        const std::string id(reinterpret_cast<const char*>(&avi[at]), 4);
        layout->sizeFields.push_back(at + 4);
        if (id == "RIFF" || id == "LIST") {
            const std::string type(reinterpret_cast<const char*>(&avi[at + 8]), 4);
            if (type == "strl") layout->streamLists.push_back(at);
            if (type == "movi") layout->movi = at;
            if (type != "movi") Walk(avi, at + 12, std::min<size_t>(at + 8 + size, end), layout);
        } else if (id == "avih") {
            layout->mainHeader = at;
        } else if (id == "strh") {
            layout->streamHeaders.push_back(at);
        } else if (id == "strf") {
            layout->streamFormats.push_back(at);
        } else if (id == "idx1") {
            layout->index = at;
        }
        at += 8 + size + (size & 1);
    }
}

// Each stream list of a generated file holds one header and one format.
inline Layout Find(const Bytes& avi) {
    Layout layout;
    Walk(avi, 0, avi.size(), &layout);
    for (size_t n = 0; n < layout.streamHeaders.size() && n < layout.streamFormats.size(); ++n) {
        if (std::memcmp(&avi[layout.streamHeaders[n] + 8], "auds", 4) == 0) {
            layout.soundHeader = layout.streamHeaders[n];
            layout.soundFormat = layout.streamFormats[n];
        }
    }
    return layout;
}

inline Codec SoundCodec(const Bytes& avi) {
    switch (Get16(avi, Find(avi).soundFormat + 8)) {
        case 0x0002: return Codec::MsAdpcm;
        case 0x0011: return Codec::ImaAdpcm;
        default: return Codec::Any;
    }
}

// The sound stream's first entry in the index.
inline size_t FirstSoundEntry(const Bytes& avi, const Layout& layout) {
    for (size_t n = 0; n < layout.IndexEntries(avi); ++n)
        if (std::memcmp(&avi[layout.Entry(n) + 2], "wb", 2) == 0) return layout.Entry(n);
    return 0;
}

// The sound stream starts `blocks` samples late: a legal file.
inline void DelaySound(Bytes& avi, uint32_t blocks) { Put32(avi, Find(avi).soundHeader + 8 + 28, blocks); }

struct Damage {
    const char* name;
    Codec needs;  // the sound format the damage is made to
    std::function<void(Bytes&)> apply;
};

// Damages that AVIFile, DirectShow or a codec would read past, each one to
// four bytes of a whole file.
inline const std::vector<Damage>& StructuralDamages() {
    static const std::vector<Damage> damages = {
        {"sound length past its index", Codec::Any,
         [](Bytes& a) {
             size_t header = Find(a).soundHeader + 8;
             Put32(a, header + 32, Get32(a, header + 32) + 1);
         }},
        {"negative sound start", Codec::Any, [](Bytes& a) { Put32(a, Find(a).soundHeader + 8 + 28, 0xFFFFFFF0u); }},
        {"main header of 0 streams", Codec::Any, [](Bytes& a) { Put32(a, Find(a).mainHeader + 8 + 24, 0); }},
        {"main header of one stream more", Codec::Any,
         [](Bytes& a) {
             size_t streams = Find(a).mainHeader + 8 + 24;
             Put32(a, streams, Get32(a, streams) + 1);
         }},
        {"first stream list of another type", Codec::Any, [](Bytes& a) { a[Find(a).streamLists[0] + 11] = 'X'; }},
        {"index entry of 2 GB", Codec::Any,
         [](Bytes& a) { Put32(a, FirstSoundEntry(a, Find(a)) + 12, 0x80000000u); }},
        {"index entry past movi", Codec::Any,
         [](Bytes& a) {
             Layout l = Find(a);
             Put32(a, FirstSoundEntry(a, l) + 8, static_cast<uint32_t>(l.index - l.movi));
         }},
        {"index entry of another stream", Codec::Any,
         [](Bytes& a) { a[FirstSoundEntry(a, Find(a)) + 1] = '7'; }},
        {"sound format of 0 channels", Codec::Any, [](Bytes& a) { Put16(a, Find(a).soundFormat + 8 + 2, 0); }},
        {"sound rate of 0xFFFFFFFF", Codec::Any, [](Bytes& a) { Put32(a, Find(a).soundFormat + 8 + 4, 0xFFFFFFFFu); }},
        {"MS ADPCM of 0 samples per block", Codec::MsAdpcm,
         [](Bytes& a) { Put16(a, Find(a).soundFormat + 8 + 18, 0); }},
        {"MS ADPCM of more samples per block than its blocks hold", Codec::MsAdpcm,
         [](Bytes& a) {
             size_t at = Find(a).soundFormat + 8 + 18;
             Put16(a, at, uint16_t(Get16(a, at) * 2));
         }},
        {"IMA ADPCM of more samples per block than its blocks hold", Codec::ImaAdpcm,
         [](Bytes& a) {
             size_t at = Find(a).soundFormat + 8 + 18;
             Put16(a, at, uint16_t(Get16(a, at) + 8));
         }},
        {"IMA ADPCM of a block shorter than its samples", Codec::ImaAdpcm,
         [](Bytes& a) {
             size_t at = Find(a).soundFormat + 8 + 12;
             Put16(a, at, uint16_t(Get16(a, at) / 2));
         }},
    };
    return damages;
}

// One to three seeded changes to the fields the structure and sound readers
// trust: the main and stream header values, the sound format, the index
// entries, and the chunk sizes, ids and list types. The picture format is
// left whole: the picture codecs trust it, not the readers.
inline void Mutate(Bytes& avi, std::mt19937& random) {
    const Layout l = Find(avi);
    std::vector<size_t> fields = l.sizeFields;
    for (int i = 0; i < 14; ++i) fields.push_back(l.mainHeader + 8 + 4 * i);
    for (size_t header : l.streamHeaders)
        for (int i = 0; i < 12; ++i) fields.push_back(header + 8 + 4 * i);
    for (size_t n = 0; n < l.IndexEntries(avi) && n < 64; ++n)
        for (int i = 0; i < 4; ++i) fields.push_back(l.Entry(n) + 4 * i);
    std::vector<size_t> shorts;
    for (size_t i = 0; i + 2 <= Get32(avi, l.soundFormat + 4) && i < 40; i += 2) shorts.push_back(l.soundFormat + 8 + i);
    const int changes = 1 + static_cast<int>(random() % 3);
    for (int c = 0; c < changes; ++c) {
        switch (random() % 3) {
            case 0: {
                size_t at = fields[random() % fields.size()];
                if (at + 4 > avi.size()) break;
                const uint32_t old = Get32(avi, at);
                const uint32_t values[] = {0, 1, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, old + 1, old - 1,
                                           old + 17, old * 2, old / 2, static_cast<uint32_t>(random())};
                Put32(avi, at, values[random() % (sizeof values / sizeof values[0])]);
                break;
            }
            case 1: {
                size_t at = shorts[random() % shorts.size()];
                const uint16_t old = Get16(avi, at);
                const uint16_t values[] = {0, 1, 0xFFFF, uint16_t(old + 1), uint16_t(old - 1), uint16_t(old * 2),
                                           uint16_t(old / 2), static_cast<uint16_t>(random())};
                Put16(avi, at, values[random() % (sizeof values / sizeof values[0])]);
                break;
            }
            default: {  // a byte of a chunk id or list type
                size_t field = l.sizeFields[random() % l.sizeFields.size()];
                size_t at = random() % 2 ? field - 4 : field + 4;
                avi[at + random() % 4] ^= static_cast<uint8_t>(1 + random() % 255);
                break;
            }
        }
    }
}

}  // namespace avi_damage
