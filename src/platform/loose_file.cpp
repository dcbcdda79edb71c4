#include "platform/loose_file.h"

#include <windows.h>

#include "platform/error_report.h"
#include "platform/file_handles.h"
#include "platform/paths.h"

namespace {

// The size of an open file, false when it cannot be read or does not fit
// in 32 bits with room for the terminating zero byte.
bool GetLooseFileSize(HANDLE file, uint32_t& size) {
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    if (high != 0 || low == 0xFFFFFFFFu) return false;
    size = low;
    return true;
}

HANDLE OpenForReading(const std::string& path, DWORD flags) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags,
                       nullptr);
}

}  // namespace

int ReadLooseFile(const std::string& path, uint8_t*& buffer, uint32_t& size) {
    CFileHandle file(OpenForReading(path, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN));
    if (!file.IsOpen()) return 1;
    uint32_t fileSize = 0;
    if (!GetLooseFileSize(file.Get(), fileSize)) return 2;
    GlobalBlock block = AllocateZeroedBlock(fileSize + 1);
    if (!block) return 1;
    DWORD read = 0;
    if (!ReadFile(file.Get(), block.get(), fileSize, &read, nullptr) || read != fileSize) return 4;
    if (!file.Close()) return 5;
    buffer = block.release();
    size = fileSize;
    return 0;
}

int OpenLooseStream(const std::string& path, FILE*& stream, uint32_t& baseOffset, uint32_t& size) {
    uint32_t fileSize = 0;
    {
        CFileHandle file(OpenForReading(path, FILE_ATTRIBUTE_NORMAL));
        if (!file.IsOpen() || !GetLooseFileSize(file.Get(), fileSize)) return 1;
    }
    FILE* opened = std::fopen(path.c_str(), "rb");
    if (!opened) return 1;
    stream = opened;
    baseOffset = 0;
    size = fileSize;
    return 0;
}

int WriteFileReplacing(const std::string& path, const void* data, uint32_t size) {
    const std::string target = NormalizePath(path);
    const std::string temporary = target + ".tmp";
    CFileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return kReplaceCannotCreate;
    DWORD written = 0;
    bool complete = WriteFile(file.Get(), data, size, &written, nullptr) && written == size &&
                    FlushFileBuffers(file.Get());
    if (!complete) {
        file.Close();
        DeleteFileA(temporary.c_str());
        return kReplaceCannotWrite;
    }
    if (!file.Close()) {
        DeleteFileA(temporary.c_str());
        return kReplaceCannotClose;
    }
    if (!MoveFileExA(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return kReplaceCannotReplace;
    }
    return kReplaceWritten;
}

int WriteWholeFile(const std::string& path, const void* data, uint32_t size) {
    switch (WriteFileReplacing(path, data, size)) {
        case kReplaceCannotCreate:
        case kReplaceCannotReplace:
            ErrorReport(ErrorKind::FileIO, kModuleDataFile, 343);
        case kReplaceCannotWrite:
            ErrorReport(ErrorKind::FileIO, kModuleDataFile, 356);
        case kReplaceCannotClose:
            return 3;
        default:
            return 0;
    }
}
