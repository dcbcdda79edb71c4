// A decoder that turns one sound file into PCM bytes for a sound buffer: it
// describes the PCM format, knows the total size and length, and reads,
// rewinds and skips forward.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>

#include <cstdint>
#include <string>

class CSoundSource {
public:
    CSoundSource();
    virtual ~CSoundSource();
    CSoundSource(const CSoundSource&) = delete;
    CSoundSource& operator=(const CSoundSource&) = delete;

    // 1 opened, 0 refused; the fatal cases show their own box.
    virtual int Open(const char* name) = 0;
    // Back to the first data byte; 1, or 0 when the decoder cannot go back.
    virtual int Rewind() = 0;
    // Up to `bytes` PCM bytes into dst; the bytes read. Fewer than asked is
    // the end of the data.
    virtual uint32_t Read(void* dst, uint32_t bytes) = 0;
    virtual void Skip(uint64_t bytes) = 0;

    const std::string& GetName() const { return name_; }
    // The PCM format of what Read delivers (18 bytes); null before Open.
    const WAVEFORMATEX* GetFormat() const { return format_; }
    uint32_t GetLengthMs() const { return lengthMs_; }
    uint32_t GetBlockAlign() const { return blockAlign_; }
    uint32_t GetAvgBytesPerSec() const { return avgBytesPerSec_; }
    uint64_t GetDataBytes() const { return dataBytes_; }
    uint64_t GetConsumedBytes() const { return consumedBytes_; }
    // What a quiet sample is made of: 0x80 for 8-bit samples, else 0.
    uint8_t GetSilenceByte() const;

protected:
    // Takes the record (from AllocateFormat); any record held before is
    // released.
    void SetFormat(WAVEFORMATEX* format);
    // The sizes that follow from the format and the data size.
    void SetDataBytes(uint64_t dataBytes);

    std::string name_;
    uint64_t consumedBytes_;

private:
    WAVEFORMATEX* format_;
    uint32_t lengthMs_;
    uint32_t blockAlign_;
    uint32_t avgBytesPerSec_;
    uint64_t dataBytes_;
};

// Whether a PCM format can be played and computed with: channels, block
// align and bytes per second not 0, bytes per second = rate x block align,
// and a rate from 100 to 200,000 Hz.
bool IsUsableFormat(const WAVEFORMATEX& format);

// A fresh zeroed 18-byte record (released with FreeFormat).
WAVEFORMATEX* AllocateFormat(uint32_t size = sizeof(WAVEFORMATEX));
void FreeFormat(WAVEFORMATEX* format);
// Fills a PCM record: block align and bytes per second follow from the
// channels, rate and bits; cbSize 0.
void MakePcmFormat(WAVEFORMATEX& format, uint32_t channels, uint32_t rate, uint32_t bits);

// The place of every box the sources show (module 2001).
enum SoundSourcePlace : int {
    kWaveOpenFailed = 276,
    kWaveRiffUnreadable = 283,
    kWaveNotRiff = 288,
    kWaveSizeUnreadable = 295,
    kWaveTypeUnreadable = 302,
    kWaveNotWave = 307,
    kWaveNoFormat = 316,
    kWaveFormatSizeUnreadable = 321,
    kWaveFormatTooShort = 330,
    kWaveFormatPastEnd = 331,
    kWaveFormatUnreadable = 332,
    kWaveNoData = 346,
    kWaveDataSizeUnreadable = 351,
    kWaveFormatUnusable = 360,
    kOggFileOpenFailed = 426,
    kOggFileFormatUnusable = 440,
    kOggArchiveOpenFailed = 688,
    kOggArchiveNotVorbis = 694,
    kOggArchiveFormatUnusable = 700,
};
