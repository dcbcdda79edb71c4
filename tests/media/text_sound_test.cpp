// The sounds of typed text on the real sound-effect group of the text's
// owner: the type sound of each glyph and the file of each SOUND tag, on
// channel 0, as the typing reaches them; nothing without an owner or a
// sound device.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "media/sound_group.h"
#include "platform/paths.h"
#include "script/script_test_host.h"
#include "text/text_node.h"
#include "voice_fixture.h"

namespace {

class CEffectsHost : public CTestScriptHost {
public:
    CSoundGroup* GetSESoundGroup() override { return &effects; }
    CSoundGroup effects{1};
};

class TextSoundTest : public VoiceTest {
protected:
    // A text of 24-pixel glyphs typed 100 ms apart, each appearing for 50
    // ms (so the typing lasts past the last glyph's start), its paths
    // resolved in the archive D, owned by the host unless told otherwise.
    std::unique_ptr<CTextNode> MakeText(const std::string& text, bool owned = true) {
        auto node = std::make_unique<CTextNode>(0, 0, 0, 300, 60, text, 0, 24, kTypeNormal, 100, 50);
        node->SetBaseDirectory(NormalizePath("D"));
        if (owned) node->SetOwner(&host_);
        node->Reset();
        return node;
    }
    void Step(CTextNode& node, int ms) {
        node.Update(ms);
        node.UpdateTransform(CTransform2D(0, 0, 1, 1, 1, 0));
    }
    CSoundVoice* Channel0() { return host_.effects.GetVoice(0); }

    CEffectsHost host_;
};

TEST_F(TextSoundTest, EachGlyphRestartsTheTypeSound) {
    auto node = MakeText("<TYPE sound='tone.wav'>\x82\xA0\x82\xA2</TYPE>");
    Step(*node, 0);
    CSoundVoice* voice = Channel0();
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(voice->GetFileName(), NormalizePath("D/tone.wav"));
    EXPECT_EQ(voice->GetVolume(), -1000);
    EXPECT_TRUE(voice->IsStarted());
    // Stopped here, it plays again only when the next glyph starts.
    voice->Stop();
    Step(*node, 99);
    EXPECT_FALSE(Channel0()->IsStarted());
    Step(*node, 1);
    EXPECT_TRUE(Channel0()->IsStarted());
    EXPECT_EQ(Channel0(), voice);  // the same file is not loaded again
    // Typing anew plays the first glyph's sound again.
    Channel0()->Stop();
    node->ReceiveMessage("Erase");
    node->ReceiveMessage("Typing");
    Step(*node, 0);
    EXPECT_TRUE(Channel0()->IsStarted());
}

// A SOUND tag plays its file at the channel's own full volume; a following
// glyph with a type sound loads that back.
TEST_F(TextSoundTest, SoundTagsPlayTheirFile) {
    auto node = MakeText("\x82\xA0<SOUND src='short.wav'><TYPE sound='tone.wav'>\x82\xA2</TYPE>");
    Step(*node, 0);
    EXPECT_FALSE(host_.effects.HasChannel(0));  // the first glyph has no type sound
    Step(*node, 100);
    ASSERT_NE(Channel0(), nullptr);
    EXPECT_EQ(Channel0()->GetFileName(), NormalizePath("D/tone.wav"));
    auto tagOnly = MakeText("<SOUND src='short.wav'>\x82\xA0");
    host_.effects.Clear();
    Step(*tagOnly, 0);
    ASSERT_NE(Channel0(), nullptr);
    EXPECT_EQ(Channel0()->GetFileName(), NormalizePath("D/short.wav"));
    EXPECT_EQ(Channel0()->GetVolume(), 0);
    EXPECT_TRUE(Channel0()->IsStarted());
}

TEST_F(TextSoundTest, NothingWithoutAnOwnerOrASoundDevice) {
    auto loose = MakeText("<SOUND src='short.wav'><TYPE sound='tone.wav'>\x82\xA0</TYPE>", false);
    Step(*loose, 0);
    EXPECT_FALSE(host_.effects.HasChannel(0));
    SoundAvailableScope off(false);
    auto silent = MakeText("<SOUND src='short.wav'><TYPE sound='tone.wav'>\x82\xA0</TYPE>");
    Step(*silent, 0);
    EXPECT_FALSE(host_.effects.HasChannel(0));
}

}  // namespace
