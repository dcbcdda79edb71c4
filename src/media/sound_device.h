// The process's one DirectSound object, created through COM and set to the
// normal cooperative level on the main window, and the counted holder that
// every sound user shares it through.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include "platform/message_listener.h"

// How the device reaches COM and DirectSound; tests put failures in.
class CDirectSoundFactory {
public:
    virtual ~CDirectSoundFactory() = default;
    // ComInit's answer: 0 started.
    virtual int StartCom() = 0;
    virtual void EndCom() = 0;
    virtual HRESULT CreateDirectSound(IDirectSound** device) = 0;
};

// COM and CoCreateInstance as they are.
CDirectSoundFactory& SystemDirectSoundFactory();

class CSoundDevice : public CMessageListener {
public:
    // Results of Init.
    enum InitResult {
        kReady = 0,
        kNoCom = 1,
        kCreateFailed = 2,
        kInitializeFailed = 3,
        kCooperativeLevelFailed = 4,
    };

    explicit CSoundDevice(CDirectSoundFactory& factory = SystemDirectSoundFactory());
    virtual ~CSoundDevice();
    CSoundDevice(const CSoundDevice&) = delete;
    CSoundDevice& operator=(const CSoundDevice&) = delete;

    // The device listens to the main window's messages but handles none.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates DirectSound again; an InitResult.
    int Init();

    IDirectSound* GetDirectSound() const { return device_; }
    int GetInitResult() const { return initResult_; }
    bool IsListening() const { return listening_; }

private:
    void ReleaseDevice();

    CDirectSoundFactory& factory_;
    IDirectSound* device_;
    IDirectSoundBuffer* primaryBuffer_;
    int primaryFormat_;
    HWND window_;
    bool comReady_;
    int initResult_;
    bool listening_;
};

// The holder: deletes the device it holds, then holds a new one. A device
// that has users is kept as it is. The count of users is left as it is.
void CreateSharedSoundDevice(CDirectSoundFactory& factory = SystemDirectSoundFactory());
// The held device, or null.
CSoundDevice* GetSharedSoundDevice();
// The held device's DirectSound object while it is ready, else null. Every
// sound buffer is created on it.
IDirectSound* GetDirectSound();

// One use of the shared device for the lifetime of the object: the first use
// creates the device, the last one deletes it.
class CSoundDeviceUse {
public:
    explicit CSoundDeviceUse(CDirectSoundFactory& factory = SystemDirectSoundFactory());
    ~CSoundDeviceUse();
    CSoundDeviceUse(const CSoundDeviceUse&) = delete;
    CSoundDeviceUse& operator=(const CSoundDeviceUse&) = delete;

    CSoundDevice* Device() const { return GetSharedSoundDevice(); }
};

// The number of uses taken and not given back.
int SharedSoundDeviceUsers();
