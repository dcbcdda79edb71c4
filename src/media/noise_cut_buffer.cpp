#include "media/noise_cut_buffer.h"

#include <cstring>

#include "media/sound_source.h"
#include "platform/error_report.h"

namespace {

constexpr DWORD kBytes = 88200;
constexpr int kCreateFailedPlace = 59;

}  // namespace

CNoiseCutBuffer::CNoiseCutBuffer() : created_(false), buffer_(nullptr) {}

CNoiseCutBuffer::~CNoiseCutBuffer() { Destroy(); }

int CNoiseCutBuffer::Create(IDirectSound* device) {
    Destroy();
    WAVEFORMATEX format = {};
    MakePcmFormat(format, 2, 22050, 16);
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(DSBUFFERDESC1);
    desc.dwFlags = DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = kBytes;
    desc.lpwfxFormat = &format;
    if (!device || FAILED(device->CreateSoundBuffer(&desc, &buffer_, nullptr)) || !buffer_) {
        buffer_ = nullptr;
        ErrorReport(ErrorKind::Sound, kModuleNoiseCutBuffer, kCreateFailedPlace);
    }
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (SUCCEEDED(buffer_->Lock(0, kBytes, &part1, &bytes1, &part2, &bytes2, 0))) {
        std::memset(part1, 0, bytes1);
        if (part2) std::memset(part2, 0, bytes2);
        buffer_->Unlock(part1, bytes1, part2, bytes2);
    }
    created_ = true;
    return 1;
}

void CNoiseCutBuffer::Play() {
    if (created_) buffer_->Play(0, 0, DSBPLAY_LOOPING);
}

void CNoiseCutBuffer::Stop() {
    if (created_) buffer_->Stop();
}

int CNoiseCutBuffer::Destroy() {
    if (created_) {
        buffer_->Stop();
        buffer_->Release();
        buffer_ = nullptr;
    }
    created_ = false;
    return 1;
}
