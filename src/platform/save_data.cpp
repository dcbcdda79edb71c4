#include "platform/save_data.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/byte_buffer.h"

namespace {

constexpr size_t kMagicSize = 8;
constexpr size_t kKeyWordSize = 4;

const SaveFileFormat kPlayFormat = {"MirlP001", 0x5D2E7A91u, true, &kPlayDataKeyRule};
const SaveFileFormat kSystemFormat = {"MirlS001", 0x7B14C6E3u, false, &kSystemDataKeyRule};

}  // namespace

SaveStamp SaveStamp::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    SaveStamp s;
    s.fields = {local.tm_sec,  local.tm_min,  local.tm_hour, local.tm_mday, local.tm_mon,
                local.tm_year, local.tm_wday, local.tm_yday, local.tm_isdst};
    return s;
}

std::string PlayDataSlotPath(int slot) {
    char path[32];
    std::snprintf(path, sizeof path, "UserData/Play%04d.dat", slot);
    return path;
}

CSaveState::CSaveState(const SaveFileFormat& format) : format_(format) {
    vars.stamp = SaveStamp::Now();
}

CSaveState::~CSaveState() = default;

CPlayData::CPlayData() : CSaveState(kPlayFormat) {}

CSystemData::CSystemData() : CSaveState(kSystemFormat) {}

void CSaveState::SerializeBody(CByteBuffer& buffer, SaveVariables& v) const {
    // Reading, the marker has been checked already.
    uint32_t marker = format_.marker;
    buffer.SerializeInt32(marker);
    for (int32_t& field : v.stamp.fields) buffer.SerializeInt32(field);
    if (format_.hasCaption) buffer.SerializeString(v.caption);
    for (int32_t& value : v.values) buffer.SerializeInt32(value);
    for (std::string& str : v.strings) buffer.SerializeString(str);
}

std::vector<uint8_t> CSaveState::Encode(const SaveStamp& at) const {
    CByteBuffer buffer;
    buffer.SetMode(CByteBuffer::kWrite);
    char magic[kMagicSize];
    std::memcpy(magic, format_.magic, kMagicSize);
    buffer.SerializeBytes(magic, kMagicSize);
    SaveVariables v = vars;
    v.stamp = at;
    SerializeBody(buffer, v);

    std::vector<uint8_t>& bytes = buffer.Bytes();
    uint32_t keyWord =
        ScrambleSaveBytes(bytes.data() + kMagicSize, bytes.size() - kMagicSize, *format_.rule);
    buffer.SerializeInt32(keyWord);
    return bytes;
}

bool CSaveState::Decode(std::vector<uint8_t> bytes) {
    // Magic, marker and key word at the least.
    if (bytes.size() < kMagicSize + 4 + kKeyWordSize ||
        std::memcmp(bytes.data(), format_.magic, kMagicSize) != 0) {
        return false;
    }
    const size_t end = bytes.size() - kKeyWordSize;
    const uint32_t keyWord = bytes[end] | (bytes[end + 1] << 8) | (bytes[end + 2] << 16) |
                             (static_cast<uint32_t>(bytes[end + 3]) << 24);
    UnscrambleSaveBytes(bytes.data() + kMagicSize, end - kMagicSize, keyWord, *format_.rule);
    bytes.resize(end);

    CByteBuffer buffer;
    buffer.Bytes() = std::move(bytes);
    buffer.SetMode(CByteBuffer::kRead);
    buffer.SetPosition(kMagicSize);
    uint32_t marker = 0;
    buffer.SerializeInt32(marker);
    if (marker != format_.marker) {
        return false;
    }
    buffer.SetPosition(kMagicSize);
    SaveVariables v;
    SerializeBody(buffer, v);
    if (buffer.Overrun()) {
        return false;
    }
    vars = std::move(v);
    return true;
}

bool CSaveState::Load(const std::string& path) {
    CByteBuffer buffer;
    if (buffer.LoadFromFile(path, true) != 0) {
        return false;
    }
    return Decode(std::move(buffer.Bytes()));
}

bool CSaveState::Save(const std::string& path) {
    const SaveStamp now = SaveStamp::Now();
    CByteBuffer buffer;
    buffer.Bytes() = Encode(now);
    const bool written = buffer.SaveToFile(path) == 0;
    vars.stamp = now;
    return written;
}
