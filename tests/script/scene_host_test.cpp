// The scene host: calls, shifts and returns with their saves and short
// steps, the delete queue, and the sound settings applied to the groups.
#include <gtest/gtest.h>

#include "media/sound_available.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/paths.h"
#include "platform/save_data.h"
#include "scene_fixtures.h"

namespace {

const char kSystemData[] = "UserData/System.dat";

// $5 as written in System.dat, or -1 without the file.
int32_t SavedSystemValue() {
    CSystemData saved;
    return saved.Load(kSystemData) ? saved.vars.values[5] : -1;
}

// A scene without a script that notes, when it is paused, what System.dat
// holds at that moment.
class CPauseProbeScene : public CScene {
public:
    explicit CPauseProbeScene(std::vector<int32_t>& seen) : seen_(seen) {}
    void Pause() override {
        seen_.push_back(SavedSystemValue());
        CScene::Pause();
    }

private:
    std::vector<int32_t>& seen_;
};

// Counts the window messages offered to it.
class CCountingListener : public CMessageListener {
public:
    int HandleMessage(HWND, UINT, WPARAM, LPARAM) override {
        ++count;
        return 0;
    }
    int count = 0;
};

class SceneHostTest : public testing::Test {
protected:
    SceneHostTest() {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        temp_.Write("S.dat", ReadBytes(GetProgramDirectory() + "script_fixture\\S.dat"));
        ClearRecordedErrors();
        for (const char* name : {"@2", "@8", "$5"}) SetVariable(name, 0);
        FrameClockFlags() = CFrameClockFlags();
    }

    // The short step and System.dat as a switch leaves them, both cleared.
    bool SwitchMarked() {
        const bool marked = FrameClockFlags().shortStepOnce && FileExists(temp_.Path() + "UserData\\System.dat");
        FrameClockFlags().shortStepOnce = false;
        DeleteFileA((temp_.Path() + "UserData\\System.dat").c_str());
        return marked;
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    // Before the host, whose scenes note into it until they are deleted.
    std::vector<int32_t> seen_;
    CSceneHost host_;
};

TEST_F(SceneHostTest, AReturnWithAnEmptyStackDoesNothingAtAll) {
    auto owned = SceneOfText("page Main { wait 10; scene_return; if (@2 = 1) ; wait 1000; }");
    CScene* scene = owned.get();
    host_.AttachScene(std::move(owned));
    FrameClockFlags().shortStepOnce = false;

    host_.ReturnScene("");
    EXPECT_FALSE(FrameClockFlags().shortStepOnce);
    EXPECT_FALSE(FileExists(temp_.Path() + "UserData\\System.dat"));
    EXPECT_EQ(host_.GetCurrentScene(), scene);

    // The statement still ends the scene's run for the frame.
    host_.Update(10);
    EXPECT_FALSE(FileExists(temp_.Path() + "UserData\\System.dat"));
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    host_.Update(17);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_EQ(host_.GetCurrentScene(), scene);
}

TEST_F(SceneHostTest, AfterCallAndReturnTheCallerGoesOnWithItsNodes) {
    auto owned = SceneOfText("page Main { scene_call \"Next.txt\"; if (@2 = 5) ; wait 1000; }");
    CScene* caller = owned.get();
    auto* recorder = new CRecordingNode;
    caller->GetRootNode()->AddChild("Rec", recorder);
    recorder->Reset();
    host_.AttachScene(std::move(owned));

    // The called scene's Main ran at once, inside the call.
    EXPECT_NE(host_.GetCurrentScene(), caller);
    EXPECT_EQ(host_.GetStackSize(), 1u);
    EXPECT_EQ(ReadScriptVariable("@8"), 1);
    EXPECT_TRUE(SwitchMarked());

    host_.Update(50);  // Next.txt returns after its wait
    EXPECT_TRUE(SwitchMarked());
    EXPECT_EQ(host_.GetCurrentScene(), caller);
    EXPECT_EQ(host_.GetStackSize(), 0u);
    EXPECT_EQ(host_.GetDeleteQueueSize(), 1u);  // deleted at the next update, not during the return
    EXPECT_EQ(ReadScriptVariable("@8"), 1);     // nothing after scene_return ran
    EXPECT_EQ(ReadScriptVariable("@2"), 0);     // the caller resumes in the next update
    EXPECT_TRUE(recorder->steps.empty());       // a paused scene's tree stands still

    host_.Update(17);
    EXPECT_EQ(host_.GetDeleteQueueSize(), 0u);
    EXPECT_EQ(ReadScriptVariable("@2"), 5);
    EXPECT_EQ(caller->GetRootNode()->FindNode("Rec"), recorder);
    EXPECT_EQ(recorder->steps, (std::vector<NodeStep>{{17, 5}}));
}

TEST_F(SceneHostTest, AShiftLeavesTheStackSoAReturnGoesPastTheShiftedScene) {
    auto owned = SceneOfText("page Main { scene_call \"Sub.txt\"; if (@2 = 7) ; wait 1000; }");
    CScene* root = owned.get();
    host_.AttachScene(std::move(owned));
    EXPECT_EQ(ReadScriptVariable("@2"), 2);  // Sub.txt started
    EXPECT_TRUE(SwitchMarked());

    host_.Update(50);  // Sub.txt shifts to Next.txt
    EXPECT_TRUE(SwitchMarked());
    EXPECT_EQ(host_.GetStackSize(), 1u);
    EXPECT_EQ(host_.GetDeleteQueueSize(), 1u);
    EXPECT_EQ(ReadScriptVariable("@8"), 1);

    host_.Update(50);  // Next.txt returns: to the root, past Sub.txt
    EXPECT_TRUE(SwitchMarked());
    EXPECT_EQ(host_.GetCurrentScene(), root);
    EXPECT_EQ(host_.GetStackSize(), 0u);
    host_.Update(17);
    EXPECT_EQ(ReadScriptVariable("@2"), 7);
}

TEST_F(SceneHostTest, EverySwitchWritesTheSystemDataBeforeTheOldScenePauses) {
    std::vector<int32_t>& seen = seen_;
    host_.AttachScene(std::make_unique<CPauseProbeScene>(seen));
    SetVariable("$5", 11);
    host_.CallScene(std::make_unique<CPauseProbeScene>(seen));
    SetVariable("$5", 12);
    host_.ShiftScene(std::make_unique<CPauseProbeScene>(seen));
    SetVariable("$5", 13);
    host_.ReturnScene("");
    EXPECT_EQ(seen, (std::vector<int32_t>{11, 12, 13}));
    seen.clear();
    EXPECT_EQ(host_.GetStackSize(), 0u);
}

TEST_F(SceneHostTest, WindowMessagesReachOnlyTheCurrentScene) {
    CCountingListener below, above;
    auto first = std::make_unique<CScene>();
    first->AddMessageListener(&below);
    host_.AttachScene(std::move(first));
    auto second = std::make_unique<CScene>();
    CScene* called = second.get();
    host_.CallScene(std::move(second));
    called->AddMessageListener(&above);
    host_.HandleMessage(nullptr, WM_COMMAND, 1, 0);
    EXPECT_EQ(below.count, 0);
    EXPECT_EQ(above.count, 1);
    host_.ReturnScene("");
    host_.HandleMessage(nullptr, WM_COMMAND, 1, 0);
    EXPECT_EQ(below.count, 1);
    EXPECT_EQ(above.count, 1);
}

TEST_F(SceneHostTest, ScenesThatCallThemselvesWithoutAWaitEndTheGameBeforeTheStackOverflows) {
    EXPECT_THROW(host_.AttachScene(std::make_unique<CScene>("S/Recurse.txt")), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleScene, 331);
    EXPECT_EQ(host_.GetStackSize(), static_cast<size_t>(CScene::kMaxNestedRuns));
}

// Sets the sound settings for a test and puts them back.
class SoundSettingsScope {
public:
    SoundSettingsScope(bool autoMute, bool playSE, bool playBGM)
        : autoMute_(GetConfig().IsAutoMute()), playSE_(GetConfig().IsPlaySE()), playBGM_(GetConfig().IsPlayBGM()),
          seVolume_(GetConfig().GetSEVolume()), available_(IsSoundAvailable()) {
        GetConfig().SetAutoMute(autoMute);
        GetConfig().SetPlaySE(playSE);
        GetConfig().SetPlayBGM(playBGM);
        GetConfig().SetSEVolume(-1200);
        SetSoundAvailable(true);
    }
    ~SoundSettingsScope() {
        GetConfig().SetAutoMute(autoMute_);
        GetConfig().SetPlaySE(playSE_);
        GetConfig().SetPlayBGM(playBGM_);
        GetConfig().SetSEVolume(seVolume_);
        SetSoundAvailable(available_);
    }

private:
    bool autoMute_, playSE_, playBGM_;
    int32_t seVolume_;
    bool available_;
};

struct Mutes {
    bool se, bgm, voice;
    bool operator==(const Mutes& other) const { return se == other.se && bgm == other.bgm && voice == other.voice; }
};

std::ostream& operator<<(std::ostream& out, const Mutes& m) {
    return out << "SE " << m.se << " BGM " << m.bgm << " VOICE " << m.voice;
}

Mutes MutesOf(CSceneHost& host) {
    return {host.GetSEGroup()->IsMuted(), host.GetBGMGroup()->IsMuted(), host.GetVoiceGroup()->IsMuted()};
}

TEST_F(SceneHostTest, ActivationMutesAndRestoresTheGroupsWithAutoMute) {
    SoundSettingsScope settings(true, false, true);
    const bool voiceOff = !GetConfig().IsPlayVoice();
    auto owned = std::make_unique<CScene>();
    CScene* scene = owned.get();
    CCountingListener listener;
    scene->AddMessageListener(&listener);
    host_.AttachScene(std::move(owned));
    EXPECT_EQ(host_.GetSEGroup()->GetVolume(), -1200);
    EXPECT_EQ(MutesOf(host_), (Mutes{true, false, voiceOff}));

    host_.HandleMessage(nullptr, WM_ACTIVATE, 0, 0);
    EXPECT_EQ(MutesOf(host_), (Mutes{true, true, true}));
    host_.HandleMessage(nullptr, WM_ACTIVATE, 1, 0);
    EXPECT_EQ(MutesOf(host_), (Mutes{true, false, voiceOff}));  // SE is switched off and stays muted
    host_.HandleMessage(nullptr, WM_ACTIVATE, 0, 0);
    host_.HandleMessage(nullptr, WM_ACTIVATE, 2, 0);
    EXPECT_EQ(MutesOf(host_), (Mutes{true, false, voiceOff}));
    EXPECT_EQ(listener.count, 4);  // every message goes on to the scene

    GetConfig().SetAutoMute(false);
    host_.HandleMessage(nullptr, WM_ACTIVATE, 0, 0);
    EXPECT_EQ(MutesOf(host_), (Mutes{true, false, voiceOff}));
}

TEST_F(SceneHostTest, SettingChangesReachTheirGroups) {
    SoundSettingsScope settings(false, true, true);
    host_.AttachScene(std::make_unique<CScene>());
    struct Case {
        int id;
        LPARAM value;
        CSoundGroup* group;
        bool muted;
        int32_t volume;
    };
    const Case cases[] = {
        {kSettingSEVolume, -2500, host_.GetSEGroup(), false, -2500},
        {kSettingVoiceVolume, -300, host_.GetVoiceGroup(), false, -300},
        {kSettingBGMVolume, -10000, host_.GetBGMGroup(), false, -10000},
        {kSettingPlaySE, 0, host_.GetSEGroup(), true, -2500},
        {kSettingPlayVoice, 0, host_.GetVoiceGroup(), true, -300},
        {kSettingPlayBGM, 0, host_.GetBGMGroup(), true, -10000},
        {kSettingPlayBGM, 1, host_.GetBGMGroup(), false, -10000},
        {kSettingBaseFPS, 0, host_.GetSEGroup(), true, -2500},  // not acted on here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        host_.HandleMessage(nullptr, kSettingChangedMessage, c.id, c.value);
        EXPECT_EQ(c.group->IsMuted(), c.muted);
        EXPECT_EQ(c.group->GetVolume(), c.volume);
    }
}

}  // namespace
