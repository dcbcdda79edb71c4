#include "platform/byte_buffer.h"

#include <cstring>

#include "platform/data_file.h"

CByteBuffer::CByteBuffer() : mode_(kRead), position_(0), overrun_(false) {}

CByteBuffer::~CByteBuffer() = default;

void CByteBuffer::SetMode(uint8_t mode) {
    mode_ = mode == kRead ? kRead : kWrite;
    position_ = 0;
    overrun_ = false;
    if (mode_ == kWrite) {
        bytes_.clear();
    }
}

bool CByteBuffer::CanRead(size_t count) {
    if (overrun_ || position_ > bytes_.size() || count > bytes_.size() - position_) {
        overrun_ = true;
        return false;
    }
    return true;
}

void CByteBuffer::SerializeBytes(void* p, int count) {
    if (count <= 0) {
        return;
    }
    if (IsWriting()) {
        const uint8_t* src = static_cast<const uint8_t*>(p);
        bytes_.insert(bytes_.end(), src, src + count);
    } else if (CanRead(count)) {
        std::memcpy(p, bytes_.data() + position_, count);
        position_ += count;
    }
}

void CByteBuffer::SerializeInt32(int32_t& value) {
    uint8_t b[4];
    if (IsWriting()) {
        const uint32_t u = static_cast<uint32_t>(value);
        b[0] = u & 0xFF;
        b[1] = (u >> 8) & 0xFF;
        b[2] = (u >> 16) & 0xFF;
        b[3] = u >> 24;
        SerializeBytes(b, 4);
    } else if (CanRead(4)) {
        SerializeBytes(b, 4);
        value = static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                     (static_cast<uint32_t>(b[3]) << 24));
    }
}

void CByteBuffer::SerializeInt32(uint32_t& value) {
    int32_t v = static_cast<int32_t>(value);
    SerializeInt32(v);
    value = static_cast<uint32_t>(v);
}

void CByteBuffer::SerializeString(std::string& s) {
    if (IsWriting()) {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        bytes_.push_back(0);
        return;
    }
    if (!CanRead(1)) {
        return;
    }
    const uint8_t* start = bytes_.data() + position_;
    const void* zero = std::memchr(start, 0, bytes_.size() - position_);
    if (!zero) {
        overrun_ = true;
        return;
    }
    const size_t length = static_cast<const uint8_t*>(zero) - start;
    s.assign(reinterpret_cast<const char*>(start), length);
    position_ += length + 1;
}

int CByteBuffer::LoadFromFile(const std::string& path, bool allowLooseFile) {
    return ReadFileToVector(path, bytes_, allowLooseFile) == 0 ? 0 : 1;
}

int CByteBuffer::SaveToFile(const std::string& path) const {
    return WriteVectorToFile(path, bytes_);
}
