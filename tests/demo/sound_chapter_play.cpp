// The demo's sound chapter played through a scene host in real time, for the
// end-to-end sound test (sound_end_to_end.sh), which records what reaches
// the sound server. Only the music plays until the chapter's first key; at
// 3 s the music setting is switched off (setting 20, value 0); at 5 s it is
// switched on again and the music volume set to -2000 (settings 20 and 23);
// from 7 s a key every 400 ms walks the chapter to its end. Each moment is
// printed as "mark <name> <ms>", counted from the first frame, in which the
// music starts. As in the game with IsNoiseCut on, the silent noise-cut
// buffer plays first, so the sound server's stream is running before the
// chapter starts and no beginning is lost.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <memory>

#include "demo_game.h"
#include "media/sound_available.h"
#include "media/noise_cut_buffer.h"
#include "media/sound_device.h"
#include "script/scene.h"
#include "script/scene_host.h"
#include "support/error_recorder.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
constexpr UINT kSettingChanged = WM_USER + 1;
constexpr DWORD kMuteAt = 3000;
constexpr DWORD kLowerAt = 5000;
constexpr DWORD kKeysFrom = 7000;
constexpr DWORD kKeyEvery = 400;
constexpr DWORD kGiveUpAt = 60000;
constexpr DWORD kSettleMs = 2000;

void Mark(const char* name, DWORD ms) {
    std::printf("mark %s %lu\n", name, static_cast<unsigned long>(ms));
    std::fflush(stdout);
}

TEST(SoundChapter, PlaysToItsEndThroughTheSceneHostInRealTime) {
    CDemoFolder game;
    CSoundDeviceUse device;
    ASSERT_NE(GetDirectSound(), nullptr);
    SetSoundAvailable(true);
    CNoiseCutBuffer noiseCut;
    noiseCut.Create(GetDirectSound());
    noiseCut.Play();
    Sleep(kSettleMs);
    {
        CSceneHost host;
        auto chapter = std::make_unique<CScene>("S/Sound.txt");
        CScene* scene = chapter.get();
        const DWORD start = timeGetTime();
        host.AttachScene(std::move(chapter));
        Mark("music", 0);
        bool muted = false;
        bool lowered = false;
        DWORD lastKey = 0;
        DWORD due = start;
        DWORD now = 0;
        while (!scene->IsScriptFinished() && now < kGiveUpAt) {
            due += 17;
            while (static_cast<int>(due - timeGetTime()) > 0) Sleep(1);
            host.BeginFrame();
            host.Update(17);
            host.SetTransform(kIdentity);
            now = timeGetTime() - start;
            if (!muted && now >= kMuteAt) {
                host.HandleMessage(nullptr, kSettingChanged, 20, 0);
                Mark("mute", now);
                muted = true;
            }
            if (!lowered && now >= kLowerAt) {
                host.HandleMessage(nullptr, kSettingChanged, 20, 1);
                host.HandleMessage(nullptr, kSettingChanged, 23, -2000);
                Mark("lower", now);
                lowered = true;
            }
            if (now >= kKeysFrom && now - lastKey >= kKeyEvery) {
                host.HandleMessage(nullptr, WM_KEYDOWN, VK_SPACE, 0);
                if (lastKey == 0) Mark("keys", now);
                lastKey = now;
            }
        }
        Mark("end", now);
        EXPECT_TRUE(scene->IsScriptFinished()) << "the chapter did not reach its end in time";
        EXPECT_TRUE(host.GetBGMGroup()->GetVoice(0)->IsPlaying()) << "the music goes on past the chapter";
    }
    noiseCut.Destroy();
    SetSoundAvailable(false);
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
