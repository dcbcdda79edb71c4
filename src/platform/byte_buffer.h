// The two-way serialisation buffer of the save files: little-endian 32-bit
// integers, raw bytes and zero-terminated strings, without lengths or
// alignment. In write mode every call appends; in read mode it reads at the
// read position and advances, so one sequence of calls both writes and reads
// a format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CByteBuffer {
public:
    enum Mode : uint8_t { kRead = 0, kWrite = 1 };

    CByteBuffer();
    virtual ~CByteBuffer();

    // 0 reads from the start of the contents; anything else empties the
    // buffer for writing.
    void SetMode(uint8_t mode);
    bool IsWriting() const { return mode_ != kRead; }

    // A read that would pass the end of the contents reads nothing, leaves
    // its target as it was and marks the buffer overrun; every later read
    // then fails the same way. Whatever a file says, nothing is read past it.
    void SerializeBytes(void* p, int count);
    void SerializeInt32(int32_t& value);
    void SerializeInt32(uint32_t& value);
    void SerializeString(std::string& s);
    bool Overrun() const { return overrun_; }

    // 0 read, 1 not found: the contents become the whole file.
    int LoadFromFile(const std::string& path, bool allowLooseFile);
    // 0 written; a file that cannot be written is a fatal error.
    int SaveToFile(const std::string& path) const;

    std::vector<uint8_t>& Bytes() { return bytes_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    uint32_t Position() const { return position_; }
    void SetPosition(uint32_t position) { position_ = position; }

private:
    bool CanRead(size_t count);

    std::vector<uint8_t> bytes_;
    uint8_t mode_;
    uint32_t position_;
    bool overrun_;
};
