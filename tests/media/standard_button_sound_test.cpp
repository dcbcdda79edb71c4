// The press sound of standard buttons on the real sound-effect group of a
// scene under a scene host, with a sound device: every press loads its file
// into the one channel all standard buttons share and plays it from the
// start.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "../script/scene_fixtures.h"
#include "media/sound_group.h"
#include "scene/composite/standard_button_node.h"
#include "voice_fixture.h"

namespace {

class StandardButtonSoundTest : public VoiceTest {
protected:
    void SetUp() override {
        VoiceTest::SetUp();
        auto scene = SceneOfText("page Main { }");
        root_ = scene->GetRootNode();
        host_.AttachScene(std::move(scene));
    }

    // A button without pictures, script class or command, whose press plays
    // the sound.
    void AddButton(const std::string& name, const std::string& sound) {
        auto* button = new CStandardButtonNode(0, 0, 0, "", "", "", "", "", "", sound);
        root_->AddChild(name, button);
        button->Reset();
    }
    void Press(const std::string& name) { root_->Request(name, "ButtonDown"); }
    CSoundVoice* Channel() { return host_.GetSEGroup()->GetVoice(CStandardButtonNode::kPressSoundChannel); }

    CSceneHost host_;
    CNode* root_ = nullptr;
};

TEST_F(StandardButtonSoundTest, EveryPressRestartsTheSharedChannel) {
    AddButton("First", "D/short.wav");
    AddButton("Second", "D/tone.wav");
    Press("First");
    CSoundVoice* voice = Channel();
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(voice->GetFileName(), "D/short.wav");
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_FALSE(voice->IsLooping());
    EXPECT_EQ(voice->GetVolume(), 0);
    EXPECT_EQ(voice->GetPan(), 0);
    Sleep(200);
    EXPECT_GE(BufferOf(*voice).GetPosition(), 100u);

    // The group's guard against two plays of a channel within a frame has
    // run out by the next frame.
    host_.BeginFrame();
    host_.Update(17);
    Press("Second");
    voice = Channel();
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(voice->GetFileName(), "D/tone.wav");
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_LT(BufferOf(*voice).GetPosition(), 100u) << "played from the start";
    EXPECT_EQ(host_.GetSEGroup()->GetVoice(0), nullptr);
}

}  // namespace
