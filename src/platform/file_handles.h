// Owners of the file handles and memory blocks of the file code, so that
// every early return closes or frees what was opened.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>

// A Win32 file handle, closed by Close() (whose result matters to callers
// that report a failed close) or else by the destructor.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : handle_(handle) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // True when the handle was open and closed without error.
    bool Close() {
        if (!IsOpen()) return false;
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

struct StdioFileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using StdioFile = std::unique_ptr<FILE, StdioFileCloser>;

// A fixed block from GlobalAlloc, the kind of buffer a CDataFile owns.
struct GlobalBlockFreer {
    void operator()(uint8_t* block) const { GlobalFree(block); }
};
using GlobalBlock = std::unique_ptr<uint8_t, GlobalBlockFreer>;

// size bytes, all zero; empty when the heap refuses.
inline GlobalBlock AllocateZeroedBlock(uint32_t size) {
    return GlobalBlock(static_cast<uint8_t*>(GlobalAlloc(GMEM_ZEROINIT, size)));
}
