// Bytes placed at the very end of a readable page, followed by a page that
// cannot be touched: a reader that goes one byte past them faults at once
// instead of quietly reading whatever lies beyond.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

class CGuardedBytes {
public:
    explicit CGuardedBytes(const std::vector<uint8_t>& bytes) : size_(bytes.size()) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_t page = info.dwPageSize;
        size_t readable = (bytes.size() + page - 1) / page * page;
        if (readable == 0) readable = page;
        block_ = static_cast<uint8_t*>(
            VirtualAlloc(nullptr, readable + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(block_ + readable, page, PAGE_NOACCESS, &old);
        data_ = block_ + readable - bytes.size();
        if (!bytes.empty()) std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~CGuardedBytes() { VirtualFree(block_, 0, MEM_RELEASE); }
    CGuardedBytes(const CGuardedBytes&) = delete;
    CGuardedBytes& operator=(const CGuardedBytes&) = delete;

    uint8_t* data() const { return data_; }
    uint32_t size() const { return static_cast<uint32_t>(size_); }

private:
    uint8_t* block_;
    uint8_t* data_;
    size_t size_;
};
