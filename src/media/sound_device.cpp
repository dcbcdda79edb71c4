#include "media/sound_device.h"

#include <memory>

#include "app/application.h"
#include "platform/com_init.h"

namespace {

class CSystemDirectSoundFactory : public CDirectSoundFactory {
public:
    int StartCom() override { return ComInit(); }
    void EndCom() override { ComUninit(); }
    HRESULT CreateDirectSound(IDirectSound** device) override {
        return CoCreateInstance(CLSID_DirectSound, nullptr, CLSCTX_ALL, IID_IDirectSound,
                                reinterpret_cast<void**>(device));
    }
};

// The primary format value that leaves the primary buffer alone.
constexpr int kKeepPrimaryFormat = 7;

// The shared device with its users; the device at program exit goes with it.
struct SharedDevice {
    std::unique_ptr<CSoundDevice> device;
    int users = 0;
    IDirectSound* published = nullptr;
};

SharedDevice& Shared() {
    static SharedDevice shared;
    return shared;
}

void Publish() {
    SharedDevice& shared = Shared();
    shared.published = shared.device && shared.device->GetInitResult() == CSoundDevice::kReady
                           ? shared.device->GetDirectSound()
                           : nullptr;
}

void DeleteSharedDevice() {
    SharedDevice& shared = Shared();
    shared.published = nullptr;
    shared.device.reset();
}

}  // namespace

CDirectSoundFactory& SystemDirectSoundFactory() {
    static CSystemDirectSoundFactory factory;
    return factory;
}

CSoundDevice::CSoundDevice(CDirectSoundFactory& factory)
    : factory_(factory),
      device_(nullptr),
      primaryBuffer_(nullptr),
      primaryFormat_(kKeepPrimaryFormat),
      window_(nullptr),
      comReady_(factory.StartCom() == 0),
      initResult_(kNoCom),
      listening_(false) {
    initResult_ = Init();
    // Without an application there is no window to listen to.
    if (initResult_ == kReady && GetApplication()) {
        AddAppMessageListener(this);
        listening_ = true;
    }
}

CSoundDevice::~CSoundDevice() {
    ReleaseDevice();
    if (comReady_) factory_.EndCom();
    if (listening_ && GetApplication()) RemoveAppMessageListener(this);
}

int CSoundDevice::HandleMessage(HWND, UINT, WPARAM, LPARAM) { return 0; }

void CSoundDevice::ReleaseDevice() {
    if (primaryBuffer_) {
        primaryBuffer_->Release();
        primaryBuffer_ = nullptr;
    }
    if (device_) {
        device_->SetCooperativeLevel(window_, DSSCL_NORMAL);
        device_->Release();
        device_ = nullptr;
    }
}

int CSoundDevice::Init() {
    ReleaseDevice();
    window_ = GetMainWindowHandle();
    if (!comReady_) return kNoCom;
    if (FAILED(factory_.CreateDirectSound(&device_)) || !device_) {
        device_ = nullptr;
        return kCreateFailed;
    }
    if (FAILED(device_->Initialize(nullptr))) {
        device_->Release();
        device_ = nullptr;
        return kInitializeFailed;
    }
    if (SUCCEEDED(device_->SetCooperativeLevel(window_, DSSCL_NORMAL))) return kReady;
    device_->Release();
    device_ = nullptr;
    return kCooperativeLevelFailed;
}

void CreateSharedSoundDevice(CDirectSoundFactory& factory) {
    // Buffers made on the held device would lose it under their users.
    if (Shared().users > 0 && Shared().device) return;
    DeleteSharedDevice();
    Shared().device = std::make_unique<CSoundDevice>(factory);
    Publish();
}

CSoundDevice* GetSharedSoundDevice() { return Shared().device.get(); }

IDirectSound* GetDirectSound() { return Shared().published; }

CSoundDeviceUse::CSoundDeviceUse(CDirectSoundFactory& factory) {
    SharedDevice& shared = Shared();
    if (shared.users == 0) CreateSharedSoundDevice(factory);
    ++shared.users;
}

CSoundDeviceUse::~CSoundDeviceUse() {
    SharedDevice& shared = Shared();
    if (--shared.users == 0) DeleteSharedDevice();
}

int SharedSoundDeviceUsers() { return Shared().users; }
