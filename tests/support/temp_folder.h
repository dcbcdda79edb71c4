// Real files for the file tests: a fresh folder under the system's temporary
// folder, and the base directory pointed at it for the length of a test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class CTempFolder {
public:
    CTempFolder();
    // Removes the folder with everything in it.
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder's path, ending in "\".
    const std::string& Path() const { return path_; }
    // Writes bytes as Path() + relative ("/" or "\" separated), making the
    // folders on the way; returns the full path.
    std::string Write(const std::string& relative, const std::vector<uint8_t>& bytes) const;
    std::string Write(const std::string& relative, const std::string& text) const;

private:
    std::string path_;
};

// Sets the base directory for its lifetime and puts the previous one back.
class CBaseDirectoryScope {
public:
    explicit CBaseDirectoryScope(const std::string& directory);
    ~CBaseDirectoryScope();
    CBaseDirectoryScope(const CBaseDirectoryScope&) = delete;
    CBaseDirectoryScope& operator=(const CBaseDirectoryScope&) = delete;

private:
    std::string previous_;
};

// The bytes of a file; empty when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
Bytes BytesOf(const std::string& text);
