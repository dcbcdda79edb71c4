// What the media tests share: the generated sounds and their references,
// archives of damaged files, WAV files made in memory, and checks on boxes.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/sound_source.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

// The folder of the generated sounds (Snd.dat, avi/, ref/), ending in "/".
std::string SoundMediaDir();
// A generated file by its path under that folder.
Bytes MediaBytes(const std::string& relative);

// Everything the source reads from where it stands, in reads of `chunk` bytes.
Bytes Drain(CSoundSource& source, uint32_t chunk = 4096);

// A RIFF/WAVE file of the chunks given in order; each chunk gets its pad byte.
struct WaveChunk {
    std::string id;
    Bytes data;
};
Bytes MakeWave(const std::vector<WaveChunk>& chunks);
Bytes FormatChunk(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t size = 16);
// PCM frames of 16-bit stereo that number themselves: the left sample is the
// frame's index mod 65536, the right one the index / 65536.
Bytes RampPcm(uint32_t frames);
// The frame index a ramp frame carries.
uint32_t RampFrame(const uint8_t* frame);
// A 16-bit stereo WAV of the given length at the rate, made of ramp frames.
Bytes RampWave(uint32_t rate, uint32_t ms);

// Bytes that never occur in a decoded test sound.
const Bytes& MarkerBytes();
bool Contains(const Bytes& haystack, const Bytes& needle);

// An archive D.dat in a fresh base directory: each file is packed stored
// (kind 0 or bit-transformed) and followed by a marker entry.
class CSoundArchive {
public:
    CSoundArchive();
    // The game path of the file, "D/<name>".
    std::string Put(const std::string& name, const Bytes& data, uint8_t kind = 0);
    // Several files at once, in one archive.
    void PutAll(const std::vector<std::pair<std::string, Bytes>>& files, uint8_t kind = 0);
    const std::string& Folder() const { return temp_.Path(); }

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

// The base directory at the generated sounds for a test's length.
class CMediaBase {
    CBaseDirectoryScope base_{SoundMediaDir()};
};

// Sets the process-wide sound-available flag for a scope and puts it back.
class SoundAvailableScope {
public:
    explicit SoundAvailableScope(bool available);
    ~SoundAvailableScope();

private:
    bool previous_;
};

// Runs the call, which must end in one box of this module and place.
void ExpectBox(const std::function<void()>& call, ErrorKind kind, int module, int place);
