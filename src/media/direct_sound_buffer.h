// The DirectSound calls the sound buffers share: creation with the flag sets
// that fall back while a control is unavailable, and play and lock with one
// restore after a lost buffer.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdint>

// The flag sets tried in turn while CreateSoundBuffer answers
// DSERR_CONTROLUNAVAIL: every control, then without frequency, pan, volume
// and global focus, and at last none.
extern const DWORD kSoundBufferFlagSets[6];

// A secondary buffer of `bytes` bytes in the format. Any failure other than
// an unavailable control, a null device, or running out of flag sets is a
// "Sound Error" box at (module, place).
IDirectSoundBuffer* CreateSecondaryBuffer(IDirectSound* device, uint32_t bytes, const WAVEFORMATEX& format, int module,
                                          int place);

// Play, restoring a lost buffer once.
HRESULT PlayRestoring(IDirectSoundBuffer* buffer, DWORD flags);
// Lock, restoring a lost buffer once.
HRESULT LockRestoring(IDirectSoundBuffer* buffer, DWORD offset, DWORD bytes, void** part1, DWORD* bytes1, void** part2,
                      DWORD* bytes2);

// The byte of a position: whole blocks at the format's rate, rounded down.
uint32_t ByteOffsetOfMs(const WAVEFORMATEX& format, uint32_t ms);

// The volume of a sound muted but still running.
constexpr long kMutedRunningVolume = -5000;
