#include "media/direct_sound_buffer.h"

#include "platform/error_report.h"

const DWORD kSoundBufferFlagSets[6] = {0x180E0, 0x180C0, 0x18080, 0x18000, 0x10000, 0};

IDirectSoundBuffer* CreateSecondaryBuffer(IDirectSound* device, uint32_t bytes, const WAVEFORMATEX& format, int module,
                                          int place) {
    if (device) {
        WAVEFORMATEX wave = format;
        wave.cbSize = 0;
        for (DWORD flags : kSoundBufferFlagSets) {
            DSBUFFERDESC desc = {};
            // The record of DirectSound 3 without the 3D algorithm: 20 bytes in a
            // 32-bit program.
            desc.dwSize = sizeof(DSBUFFERDESC1);
            desc.dwFlags = flags;
            desc.dwBufferBytes = bytes;
            desc.lpwfxFormat = &wave;
            IDirectSoundBuffer* buffer = nullptr;
            HRESULT result = device->CreateSoundBuffer(&desc, &buffer, nullptr);
            if (SUCCEEDED(result) && buffer) return buffer;
            if (result != DSERR_CONTROLUNAVAIL) break;
        }
    }
    ErrorReport(ErrorKind::Sound, module, place);
}

HRESULT PlayRestoring(IDirectSoundBuffer* buffer, DWORD flags) {
    HRESULT result = buffer->Play(0, 0, flags);
    if (result == DSERR_BUFFERLOST) {
        buffer->Restore();
        result = buffer->Play(0, 0, flags);
    }
    return result;
}

HRESULT LockRestoring(IDirectSoundBuffer* buffer, DWORD offset, DWORD bytes, void** part1, DWORD* bytes1, void** part2,
                      DWORD* bytes2) {
    HRESULT result = buffer->Lock(offset, bytes, part1, bytes1, part2, bytes2, 0);
    if (result == DSERR_BUFFERLOST) {
        buffer->Restore();
        result = buffer->Lock(offset, bytes, part1, bytes1, part2, bytes2, 0);
    }
    return result;
}

uint32_t ByteOffsetOfMs(const WAVEFORMATEX& format, uint32_t ms) {
    uint64_t bytes = uint64_t{format.nAvgBytesPerSec} * ms / 1000;
    uint32_t block = format.nBlockAlign ? format.nBlockAlign : 1;
    return static_cast<uint32_t>(bytes / block * block);
}
