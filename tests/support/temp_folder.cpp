#include "support/temp_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/paths.h"
#include "platform/sjis.h"

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

CTempFolder::CTempFolder() {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "mirl-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    RemoveTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("no temp folder " + path_);
}

CTempFolder::~CTempFolder() { RemoveTree(path_); }

std::string CTempFolder::Write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
    std::string full = ResolvePath(path_, relative);
    std::string folder = GetDirectoryPart(full);
    for (size_t at = path_.size(); at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == '\\') {
            CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
        } else if (IsSjisLeadByte(static_cast<unsigned char>(folder[at]))) {
            ++at;
        }
    }
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + full);
    return full;
}

std::string CTempFolder::Write(const std::string& relative, const std::string& text) const {
    return Write(relative, BytesOf(text));
}

CBaseDirectoryScope::CBaseDirectoryScope(const std::string& directory)
    : previous_(GetBaseDirectory()) {
    SetBaseDirectory(directory);
}

CBaseDirectoryScope::~CBaseDirectoryScope() { SetBaseDirectory(previous_); }

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }
