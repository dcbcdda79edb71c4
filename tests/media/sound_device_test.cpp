#include <gtest/gtest.h>

#include "support/test_application.h"
#include "fake_direct_sound.h"
#include "media/direct_sound_buffer.h"
#include "media/sound_device.h"
#include "media_fixture.h"
#include "platform/error_report.h"

namespace {

// COM and DirectSound as a test sets them up; counts the COM ends.
class CFakeFactory : public CDirectSoundFactory {
public:
    int comResult = 0;
    HRESULT createResult = DS_OK;
    CFakeDirectSound device;
    int comEnds = 0;

    int StartCom() override { return comResult; }
    void EndCom() override { ++comEnds; }
    HRESULT CreateDirectSound(IDirectSound** out) override {
        *out = SUCCEEDED(createResult) ? &device : nullptr;
        return createResult;
    }
};

void RunInWindow(const std::function<void()>& body) {
    TestApplication application;
    application.body = [&](TestApplication&) { body(); };
    ASSERT_EQ(application.Run(), CApplication::kRunFinished);
}

TEST(SoundDevice, IsReadyOnTheMainWindowAndListensUntilItGoes) {
    RunInWindow([] {
        uint32_t before = GetApplication()->MainWindow().Broadcaster().Count();
        {
            CSoundDevice device;
            EXPECT_EQ(device.GetInitResult(), CSoundDevice::kReady);
            EXPECT_NE(device.GetDirectSound(), nullptr);
            EXPECT_TRUE(device.IsListening());
            EXPECT_EQ(GetApplication()->MainWindow().Broadcaster().Count(), before + 1);
            EXPECT_EQ(device.HandleMessage(GetMainWindowHandle(), WM_USER + 1, 20, 0), 0);
        }
        EXPECT_EQ(GetApplication()->MainWindow().Broadcaster().Count(), before);
    });
}

TEST(SoundDevice, EachFailureHasItsResultAndTheDeviceDoesNotListen) {
    struct Row {
        const char* what;
        int com;
        HRESULT create, initialize, cooperative;
        int result;
        int comEnds;
    };
    const Row rows[] = {
        {"no COM", 1, DS_OK, DS_OK, DS_OK, CSoundDevice::kNoCom, 0},
        {"no DirectSound", 0, REGDB_E_CLASSNOTREG, DS_OK, DS_OK, CSoundDevice::kCreateFailed, 1},
        {"Initialize fails", 0, DS_OK, DSERR_NODRIVER, DS_OK, CSoundDevice::kInitializeFailed, 1},
        {"no cooperative level", 0, DS_OK, DS_OK, DSERR_INVALIDPARAM, CSoundDevice::kCooperativeLevelFailed, 1},
        {"all well", 0, DS_OK, DS_OK, DS_OK, CSoundDevice::kReady, 1},
    };
    RunInWindow([&] {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.what);
            CFakeFactory factory;
            factory.comResult = row.com;
            factory.createResult = row.create;
            factory.device.initializeResult = row.initialize;
            factory.device.cooperativeResult = row.cooperative;
            {
                CSoundDevice device(factory);
                EXPECT_EQ(device.GetInitResult(), row.result);
                EXPECT_EQ(device.IsListening(), row.result == CSoundDevice::kReady);
                EXPECT_EQ(device.GetDirectSound() != nullptr, row.result == CSoundDevice::kReady);
            }
            EXPECT_EQ(factory.comEnds, row.comEnds);
            // The reference the creation handed over is given back.
            EXPECT_EQ(factory.device.references, SUCCEEDED(row.create) && row.com == 0 ? 0 : 1);
        }
    });
}

TEST(SharedSoundDevice, TheFirstUseMakesItTheLastDeletesItAndUsersKeepIt) {
    EXPECT_EQ(SharedSoundDeviceUsers(), 0);
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
    EXPECT_EQ(GetDirectSound(), nullptr);
    {
        CSoundDeviceUse first;
        CSoundDevice* device = GetSharedSoundDevice();
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(GetDirectSound(), device->GetDirectSound());
        {
            CSoundDeviceUse second;
            EXPECT_EQ(SharedSoundDeviceUsers(), 2);
            EXPECT_EQ(GetSharedSoundDevice(), device);
            CreateSharedSoundDevice();
            EXPECT_EQ(GetSharedSoundDevice(), device) << "never replaced under its users";
        }
        EXPECT_EQ(GetSharedSoundDevice(), device);
    }
    EXPECT_EQ(SharedSoundDeviceUsers(), 0);
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
    EXPECT_EQ(GetDirectSound(), nullptr);
}

TEST(SharedSoundDevice, AProbeWithoutUsersReplacesTheDeviceAndAFailedOneIsNotPublished) {
    CFakeFactory failing;
    failing.createResult = REGDB_E_CLASSNOTREG;
    CreateSharedSoundDevice(failing);
    ASSERT_NE(GetSharedSoundDevice(), nullptr);
    EXPECT_EQ(GetSharedSoundDevice()->GetInitResult(), CSoundDevice::kCreateFailed);
    EXPECT_EQ(GetDirectSound(), nullptr);
    {
        // The first use makes a device of its own.
        CSoundDeviceUse use;
        EXPECT_EQ(GetSharedSoundDevice()->GetInitResult(), CSoundDevice::kReady);
        EXPECT_NE(GetDirectSound(), nullptr);
    }
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
}

TEST(SoundBufferCreation, FallsBackThroughTheFlagSetsWhileAControlIsUnavailable) {
    CSoundDeviceUse use;
    WAVEFORMATEX format = {};
    MakePcmFormat(format, 2, 22050, 16);
    for (int unavailable = 0; unavailable <= 6; ++unavailable) {
        SCOPED_TRACE(unavailable);
        CFakeDirectSound device;
        device.real = GetDirectSound();
        device.unavailableSets = unavailable;
        std::vector<DWORD> expected(kSoundBufferFlagSets, kSoundBufferFlagSets + std::min(unavailable + 1, 6));
        if (unavailable < 6) {
            IDirectSoundBuffer* buffer = nullptr;
            EXPECT_NO_THROW(buffer = CreateSecondaryBuffer(&device, 8820, format, 2045, 485));
            ASSERT_NE(buffer, nullptr);
            buffer->Release();
        } else {
            ExpectBox([&] { CreateSecondaryBuffer(&device, 8820, format, 2045, 485); }, ErrorKind::Sound, 2045, 485);
        }
        EXPECT_EQ(device.flagsTried, expected);
    }
    EXPECT_EQ(std::vector<DWORD>(kSoundBufferFlagSets, kSoundBufferFlagSets + 6),
              (std::vector<DWORD>{0x180E0, 0x180C0, 0x18080, 0x18000, 0x10000, 0}));
}

TEST(SoundBufferCreation, AnyOtherFailureOrNoDeviceIsTheCallersBoxAtOnce) {
    WAVEFORMATEX format = {};
    MakePcmFormat(format, 1, 22050, 8);
    CFakeDirectSound device;
    device.unavailableSets = 1;
    device.otherError = DSERR_OUTOFMEMORY;
    ExpectBox([&] { CreateSecondaryBuffer(&device, 100, format, 2002, 589); }, ErrorKind::Sound, 2002, 589);
    EXPECT_EQ(device.flagsTried.size(), 2u);
    ExpectBox([&] { CreateSecondaryBuffer(nullptr, 100, format, 2045, 485); }, ErrorKind::Sound, 2045, 485);
}

}  // namespace
