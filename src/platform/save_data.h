// The state kept on disk: the system data, which outlive every game
// ("UserData/System.dat"), and the play data of one save slot
// ("UserData/Play%04d.dat"). Both hold the script's numbered variables and a
// time stamp; play data also a caption.
//
// File layout: 8-byte magic, then scrambled: marker, stamp (nine int32),
// the caption and a zero byte (play data only), 1024 int32 values, 128
// zero-terminated strings; last the 4-byte key word, not scrambled.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/save_scrambler.h"

class CByteBuffer;

constexpr int kSaveValueCount = 1024;
constexpr int kSaveStringCount = 128;
constexpr int kFirstSaveSlot = 1;
constexpr int kLastSaveSlot = 60;

// The fields of the C library's broken-down local time, in its order:
// seconds, minutes, hours, day of month, month (0-11), years since 1900,
// day of week, day of year, daylight-saving flag.
struct SaveStamp {
    std::array<int32_t, 9> fields{};
    static SaveStamp Now();
    bool operator==(const SaveStamp& other) const { return fields == other.fields; }
};

// "UserData/Play0001.dat" to "UserData/Play0060.dat".
std::string PlayDataSlotPath(int slot);

// Everything a save file holds besides its magic, marker and key word.
struct SaveVariables {
    SaveStamp stamp;
    std::string caption;  // play data only
    std::array<int32_t, kSaveValueCount> values{};
    std::array<std::string, kSaveStringCount> strings;
};

// What tells the two kinds of file apart.
struct SaveFileFormat {
    const char* magic;  // 8 bytes
    uint32_t marker;
    bool hasCaption;
    const SaveKeyRule* rule;
};

// What both kinds share: the variables and the file code.
class CSaveState {
public:
    virtual ~CSaveState();

    SaveVariables vars;

    // True when the file was read; false (and nothing changed) when it is
    // missing, short, foreign or damaged.
    bool Load(const std::string& path);
    // Stamps the object with the time of saving and writes the file; true
    // when written.
    bool Save(const std::string& path);

    // The file's bytes with the given stamp, and the reverse; Decode answers
    // false and leaves the object unchanged for anything it refuses.
    std::vector<uint8_t> Encode(const SaveStamp& at) const;
    bool Decode(std::vector<uint8_t> bytes);

protected:
    explicit CSaveState(const SaveFileFormat& format);

private:
    // The one sequence of fields that both writes and reads the body.
    void SerializeBody(CByteBuffer& buffer, SaveVariables& v) const;

    const SaveFileFormat& format_;
};

class CPlayData : public CSaveState {
public:
    CPlayData();
};

class CSystemData : public CSaveState {
public:
    CSystemData();
};
