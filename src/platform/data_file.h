// The one readable-file type of the program: a loose file on disk or an entry
// of a packed archive, opened whole into memory or as a stream.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CDataFile {
public:
    CDataFile();
    // Closes the stream or frees the contents.
    virtual ~CDataFile();
    CDataFile(const CDataFile&) = delete;
    CDataFile& operator=(const CDataFile&) = delete;

    // Reads the file whole into memory: the loose file first when
    // allowLooseFile is set, else (or when there is none) the entry of a
    // version-1, then a version-2 archive. The contents are followed by one
    // zero byte that GetSize does not count. 0 opened, 1 not found.
    int OpenWhole(const std::string& path, bool allowLooseFile);
    // A mode containing "w" opens the file for writing (0, or 1 when it
    // cannot be opened). Otherwise opens it for reading: the loose file first
    // when allowLooseFile is set, else (or when there is none) the entry of a
    // version-2 archive. 0 opened, -1 not found.
    int OpenStream(const std::string& path, const std::string& mode, bool allowLooseFile);
    // fclose's result for a stream, else 0.
    int Close();

    // Memory mode. Read copies what is left up to count bytes from the read
    // pointer and advances it; 0 at the end, without contents, or when the
    // read pointer lies outside them. Seek moves the read pointer (origin 0
    // from the start, 1 from where it is, 2 from the end) without any bound
    // check and returns 0.
    uint32_t Read(void* destination, uint32_t count);
    int Seek(int offset, int origin);
    uint32_t GetSize() const;
    uint8_t* GetData() const;
    uint8_t* GetReadPointer() const;
    void SetReadPointer(uint8_t* pointer);

    // Stream mode, positions relative to the entry's first byte. StreamSeek
    // gives fseek's result (0 for an unknown origin, -1 without a stream);
    // StreamTell the position (-1 without a stream). StreamRead reads up to
    // count bytes, cut at the entry's end, in one fread and passes
    // bit-transformed archive bytes through the transform; it returns the
    // count, or 0 at the end, outside the entry or when the read fails.
    int StreamSeek(int offset, int origin);
    long StreamTell() const;
    uint32_t StreamRead(void* buffer, uint32_t count);
    // Writes the text as it stands (no format expansion). 0 written, 1 on a
    // write error, -1 without an open stream.
    int WriteString(const std::string& text);

private:
    std::string name_;
    uint32_t size_;
    FILE* stream_;
    uint32_t baseOffset_;
    uint8_t scrambled_;
    uint8_t* buffer_;
    uint8_t* readPointer_;
    uint8_t fromArchive_;
};

// The whole file as bytes (CDataFile::OpenWhole). 0 read, 1 not found.
int ReadFileToVector(const std::string& path, std::vector<uint8_t>& bytes, bool allowLooseFile);
// WriteWholeFile with the vector's bytes.
int WriteVectorToFile(const std::string& path, const std::vector<uint8_t>& bytes);
