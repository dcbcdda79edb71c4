#include "media/one_shot_buffer.h"

#include <algorithm>
#include <cstring>

#include "platform/error_report.h"

namespace {

constexpr int kCreateFailedPlace = 485;

}  // namespace

COneShotBuffer::COneShotBuffer(CClock& clock) : CClockedSoundBuffer(clock), bufferBytes_(0) {}

COneShotBuffer::~COneShotBuffer() { Close(); }

int COneShotBuffer::Open(CSoundSource* source) {
    if (open_) Close();
    source_ = source;
    lengthMs_ = source->GetLengthMs();
    const WAVEFORMATEX& format = *source->GetFormat();
    // DirectSound wants a few bytes at least; a shorter sound is padded with
    // silence.
    uint32_t minimum = 4 * format.nBlockAlign;
    bufferBytes_ = static_cast<uint32_t>(std::max<uint64_t>(source->GetDataBytes(), minimum));
    dsBuffer_ = CreateSecondaryBuffer(GetDirectSound(), bufferBytes_, format, kModuleOneShotBuffer, kCreateFailedPlace);
    Fill();
    startTime_ = savedPosition_ = passEnd_ = 0;
    volume_ = 0;
    pauseWhenMuted_ = true;
    open_ = true;
    return 1;
}

int COneShotBuffer::Fill() {
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (FAILED(LockRestoring(dsBuffer_, 0, bufferBytes_, &part1, &bytes1, &part2, &bytes2))) return 0;
    uint8_t silence = source_->GetSilenceByte();
    uint32_t read1 = source_->Read(part1, bytes1);
    uint32_t read2 = read1 == bytes1 && part2 ? source_->Read(part2, bytes2) : 0;
    std::memset(static_cast<uint8_t*>(part1) + read1, silence, bytes1 - read1);
    if (part2) std::memset(static_cast<uint8_t*>(part2) + read2, silence, bytes2 - read2);
    dsBuffer_->Unlock(part1, bytes1, part2, bytes2);
    return read1 + read2 == source_->GetDataBytes() ? 1 : 0;
}

int COneShotBuffer::Close() {
    Stop();
    ReleaseBuffer();
    open_ = false;
    return 1;
}

void COneShotBuffer::Play() {
    if (!dsBuffer_ || playing_) return;
    playing_ = true;
    paused_ = false;
    startTime_ = clock_.Now();
    passEnd_ = lengthMs_;
    savedPosition_ = 0;
    if (muted_ && pauseWhenMuted_) return;  // only the clock runs
    dsBuffer_->SetVolume(muted_ ? kMutedRunningVolume : volume_);
    PlayRestoring(dsBuffer_, looping_ ? DSBPLAY_LOOPING : 0);
}

void COneShotBuffer::Stop() {
    if (!playing_) return;
    dsBuffer_->Stop();
    playing_ = false;
    paused_ = false;
}

void COneShotBuffer::Pause() {
    if (!playing_ || paused_) return;
    savedPosition_ = GetPosition();
    dsBuffer_->Stop();
    paused_ = true;
}

void COneShotBuffer::Resume() {
    if (!playing_ || !paused_) return;
    startTime_ = clock_.Now() - savedPosition_;
    primed_ = false;
    paused_ = false;
    if (muted_ && pauseWhenMuted_) return;
    dsBuffer_->SetVolume(muted_ ? kMutedRunningVolume : volume_);
    Resynchronise();
}

void COneShotBuffer::Resynchronise() {
    uint32_t position = ResumePosition();
    if (!looping_ && position >= lengthMs_) {
        Stop();
        return;
    }
    dsBuffer_->SetCurrentPosition(ByteOffsetOfMs(*source_->GetFormat(), position));
    PlayRestoring(dsBuffer_, looping_ ? DSBPLAY_LOOPING : 0);
}


int COneShotBuffer::SetLoop(bool loop) {
    if (loop == looping_) return 0;
    if (playing_ && looping_) passEnd_ = (GetPosition() / LengthDivisor() + 1) * lengthMs_;
    if (dsBuffer_ && playing_ && !paused_) {
        if ((!pauseWhenMuted_ || !muted_) && DirectSoundPlaying()) PlayRestoring(dsBuffer_, loop ? DSBPLAY_LOOPING : 0);
        if (!IsPlaying()) playing_ = false;
    }
    looping_ = loop;
    return 0;
}

bool COneShotBuffer::DirectSoundPlaying() {
    DWORD status = 0;
    return SUCCEEDED(dsBuffer_->GetStatus(&status)) && (status & DSBSTATUS_PLAYING);
}

bool COneShotBuffer::IsPlaying() {
    if (!dsBuffer_ || !playing_ || paused_) return false;
    if (muted_ && pauseWhenMuted_) return looping_ || GetPosition() < passEnd_;
    return DirectSoundPlaying();
}

DWORD COneShotBuffer::GetPosition() {
    if (!playing_) return 0;
    if (paused_) return savedPosition_;
    if (!muted_ && !DirectSoundPlaying()) return passEnd_;
    uint32_t t = clock_.Now() - startTime_;
    return looping_ ? t : std::min<uint32_t>(t, passEnd_);
}

DWORD COneShotBuffer::GetPassPosition() {
    if (pauseWhenMuted_) return GetPosition() % LengthDivisor();
    DWORD play = 0;
    if (!dsBuffer_ || FAILED(dsBuffer_->GetCurrentPosition(&play, nullptr))) return 0;
    const WAVEFORMATEX& format = *source_->GetFormat();
    return static_cast<DWORD>(uint64_t{play} * 1000 / (uint64_t{format.nBlockAlign} * format.nSamplesPerSec));
}

void COneShotBuffer::Halt() { dsBuffer_->Stop(); }
