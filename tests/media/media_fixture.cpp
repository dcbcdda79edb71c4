#include "media_fixture.h"

#include <algorithm>
#include <cstring>

#include "media/sound_available.h"
#include "packer/archive_writer.h"

std::string SoundMediaDir() { return MIRL_SOUND_MEDIA_DIR; }

Bytes MediaBytes(const std::string& relative) { return ReadBytes(SoundMediaDir() + relative); }

Bytes Drain(CSoundSource& source, uint32_t chunk) {
    Bytes out;
    Bytes buffer(chunk);
    for (;;) {
        uint32_t read = source.Read(buffer.data(), chunk);
        out.insert(out.end(), buffer.begin(), buffer.begin() + read);
        if (read < chunk) return out;
    }
}

namespace {

void PutU32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutU16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

}  // namespace

Bytes MakeWave(const std::vector<WaveChunk>& chunks) {
    Bytes body = BytesOf("WAVE");
    for (const WaveChunk& chunk : chunks) {
        body.insert(body.end(), chunk.id.begin(), chunk.id.end());
        PutU32(body, static_cast<uint32_t>(chunk.data.size()));
        body.insert(body.end(), chunk.data.begin(), chunk.data.end());
        if (chunk.data.size() & 1) body.push_back(0);
    }
    Bytes out = BytesOf("RIFF");
    PutU32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes FormatChunk(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t size) {
    Bytes out;
    uint16_t block = static_cast<uint16_t>(channels * bits / 8);
    PutU16(out, tag);
    PutU16(out, channels);
    PutU32(out, rate);
    PutU32(out, rate * block);
    PutU16(out, block);
    PutU16(out, bits);
    out.resize(size, 0);
    return out;
}

Bytes RampPcm(uint32_t frames) {
    Bytes out;
    out.reserve(frames * 4);
    for (uint32_t i = 0; i < frames; ++i) {
        PutU16(out, static_cast<uint16_t>(i));
        PutU16(out, static_cast<uint16_t>(i >> 16));
    }
    return out;
}

uint32_t RampFrame(const uint8_t* frame) {
    return (frame[0] | frame[1] << 8) | static_cast<uint32_t>(frame[2] | frame[3] << 8) << 16;
}

Bytes RampWave(uint32_t rate, uint32_t ms) {
    return MakeWave({{"fmt ", FormatChunk(1, 2, rate, 16)}, {"data", RampPcm(uint32_t(uint64_t{rate} * ms / 1000))}});
}

const Bytes& MarkerBytes() {
    static const Bytes marker = BytesOf("#MARKER-ENTRY-BYTES-MUST-NOT-BE-HEARD#");
    return marker;
}

bool Contains(const Bytes& haystack, const Bytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

CSoundArchive::CSoundArchive() = default;

std::string CSoundArchive::Put(const std::string& name, const Bytes& data, uint8_t kind) {
    PutAll({{name, data}}, kind);
    return "D/" + name;
}

void CSoundArchive::PutAll(const std::vector<std::pair<std::string, Bytes>>& files, uint8_t kind) {
    std::vector<packer::PackEntry> entries;
    for (const auto& file : files) entries.push_back({file.first, file.second, false, kind});
    Bytes marker;
    for (int i = 0; i < 64; ++i) marker.insert(marker.end(), MarkerBytes().begin(), MarkerBytes().end());
    entries.push_back({"zz_marker.bin", marker, false, kind});
    temp_.Write("D.dat", packer::BuildArchive(2, "D.dat", entries));
}

void ExpectBox(const std::function<void()>& call, ErrorKind kind, int module, int place) {
    ClearRecordedErrors();
    EXPECT_THROW(call(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    const ErrorBox& box = RecordedErrors()[0];
    EXPECT_EQ(box.kind, kind);
    EXPECT_EQ(box.module, module);
    EXPECT_EQ(box.place, place);
    ClearRecordedErrors();
}

SoundAvailableScope::SoundAvailableScope(bool available) : previous_(IsSoundAvailable()) {
    SetSoundAvailable(available);
}

SoundAvailableScope::~SoundAvailableScope() { SetSoundAvailable(previous_); }
