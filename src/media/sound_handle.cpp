#include "media/sound_handle.h"

#include "media/avi_audio_source.h"
#include "media/ogg_archive_source.h"
#include "media/one_shot_buffer.h"
#include "media/stream_buffer.h"
#include "media/wave_source.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/sjis.h"

namespace {

constexpr int kNullNamePlace = 49;
constexpr int kUnknownExtensionPlace = 65;
constexpr int kSourceRefusedPlace = 74;

}  // namespace

std::unique_ptr<CSoundSource> MakeSoundSource(const std::string& name) {
    // The text after the last "." of the whole name, not only the file part.
    int dot = FindLastSingleByteChar(name, '.');
    if (dot < 0) return nullptr;
    std::string extension = name.substr(dot + 1);
    MakeLowerCase(extension);
    if (StringEqualsChars(extension, 'w', 'a', 'v', 0)) return std::make_unique<CWaveSource>();
    if (StringEqualsChars(extension, 'o', 'g', 'g', 0)) return std::make_unique<COggArchiveSource>();
    if (StringEqualsChars(extension, 'a', 'v', 'i', 0)) return std::make_unique<CAviAudioSource>();
    return nullptr;
}

CSoundHandle::CSoundHandle() : buffer_(std::make_unique<CNullSoundBuffer>()), loaded_(false), muted_(false) {}

CSoundHandle::~CSoundHandle() {
    buffer_->Close();
    buffer_.reset();
    source_.reset();
}

const WAVEFORMATEX* CSoundHandle::GetFormat() const { return source_ ? source_->GetFormat() : nullptr; }

void CSoundHandle::SetMute(bool mute) {
    muted_ = mute;
    buffer_->SetMute(mute);
}

int CSoundHandle::Close() {
    buffer_->Close();
    buffer_ = std::make_unique<CNullSoundBuffer>();
    source_.reset();
    loaded_ = false;
    return 1;
}

namespace {

std::unique_ptr<CSoundBuffer> MakeBuffer(DWORD lengthMs) {
    if (lengthMs < CSoundHandle::kOneShotLimitMs) return std::make_unique<COneShotBuffer>();
    return std::make_unique<CStreamBuffer>();
}

}  // namespace

int CSoundHandle::Open(const char* name) {
    if (!name) ErrorReport(ErrorKind::Sound, kModuleSoundHandle, kNullNamePlace);
    fileName_ = name;
    // Also clears what a failed open may have left.
    Close();
    std::unique_ptr<CSoundSource> source = MakeSoundSource(fileName_);
    if (!source) ErrorReport(ErrorKind::Sound, kModuleSoundHandle, kUnknownExtensionPlace);
    if (!source->Open(name)) ErrorReport(ErrorKind::Sound, kModuleSoundHandle, kSourceRefusedPlace);
    buffer_->Close();
    source_ = std::move(source);
    buffer_ = MakeBuffer(source_->GetLengthMs());
    try {
        buffer_->Open(source_.get());
    } catch (...) {
        Close();
        throw;
    }
    buffer_->SetMute(muted_);
    loaded_ = true;
    return 1;
}
