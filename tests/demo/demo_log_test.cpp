// The demo's log chapter under the root scene in fixed 17 ms frames, read
// from the log's entries at its key waits: the red phrase left open runs on
// into the next piece, the gem and the click are entries of their own, the
// first full-width stop hangs past the right edge with the next character
// on a new line, and the last piece finds the log full. After the key the
// log is empty, and it begins again from its first entry.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chapter_frames.h"
#include "demo_game.h"
#include "graphics/display_driver.h"
#include "scene/node_kind.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "text/dynamic_text_node.h"

namespace {

constexpr int kAreaWidth = 640;
constexpr Color32 kRed = 0xFFB02818;
// More frames than the chapter's longest stretch between key waits.
constexpr int kFrameLimit = 2000;

struct Entry {
    std::string text;
    int x, y, width, height;
    Color32 colour;
};

// The log's entries in the order of their names, "Text000" on.
std::vector<Entry> Entries(CDynamicTextNode& log) {
    std::vector<Entry> entries;
    for (int i = 0;; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Text%03d", i);
        CNode* node = log.FindNode(name);
        if (!node) return entries;
        CTextNode& entry = static_cast<CTextNode&>(*node);
        Entry e;
        e.text = entry.GetText();
        e.x = static_cast<int>(entry.GetPlacement().x);
        e.y = static_cast<int>(entry.GetPlacement().y);
        entry.GetSize(&e.width, &e.height);
        e.colour = entry.InitialFontState().color;
        entries.push_back(e);
    }
}

CDynamicTextNode* FindLog(CChapterFrames& chapter) {
    CScriptPageNode* story = chapter.Story();
    CNode* node = story ? story->FindNode("Log") : nullptr;
    if (!node || node->GetNodeKind() != kNodeKindDynamicText) return nullptr;
    return static_cast<CDynamicTextNode*>(node);
}

TEST(DemoLogTest, TheEntriesShowWhatTheChapterTellsAndTheLogBeginsAgain) {
    ClearRecordedErrors();
    CDemoFolder game;
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CChapterFrames chapter("S/Log.txt", f.device, f.window);
        ASSERT_TRUE(chapter.UntilKeyWait(kFrameLimit));
        CDynamicTextNode* log = FindLog(chapter);
        ASSERT_NE(log, nullptr);
        EXPECT_FALSE(log->IsAccepting());
        const std::vector<Entry> entries = Entries(*log);
        ASSERT_FALSE(entries.empty());

        // "A red phrase left open" and " runs on": one red run across the
        // two pieces, followed by the black comma.
        std::string red;
        size_t lastRed = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].colour != kRed) continue;
            EXPECT_TRUE(red.empty() || lastRed == i - 1) << i;
            red += entries[i].text;
            lastRed = i;
        }
        EXPECT_EQ(red, "A red phrase left open runs on");
        ASSERT_LT(lastRed + 1, entries.size());
        EXPECT_EQ(entries[lastRed + 1].text, "&,");
        EXPECT_EQ(entries[lastRed + 1].colour, 0xFF000000u);

        int pictures = 0, sounds = 0;
        for (const Entry& e : entries) {
            if (e.text.rfind("<IMG", 0) == 0) {
                ++pictures;
                EXPECT_EQ(e.height, 24);
            }
            if (e.text.rfind("<SOUND", 0) == 0) ++sounds;
        }
        EXPECT_EQ(pictures, 1);
        EXPECT_EQ(sounds, 1);

        // The first full-width stop ends past the right edge on the line of
        // the character before it; the character after it starts a line.
        size_t stop = 0;
        while (stop < entries.size() && entries[stop].text != "\x81\x42") ++stop;
        ASSERT_TRUE(stop > 0 && stop + 1 < entries.size());
        EXPECT_GT(entries[stop].x + entries[stop].width, kAreaWidth);
        EXPECT_EQ(entries[stop].y, entries[stop - 1].y);
        EXPECT_EQ(entries[stop + 1].x, 0);
        EXPECT_GT(entries[stop + 1].y, entries[stop].y);

        // The key empties the log; after a second it begins again.
        chapter.Key(VK_RETURN);
        chapter.Frames(3);
        EXPECT_TRUE(Entries(*log).empty());
        EXPECT_TRUE(log->IsAccepting());
        ASSERT_TRUE(chapter.UntilKeyWait(kFrameLimit));
        const std::vector<Entry> again = Entries(*log);
        ASSERT_FALSE(again.empty());
        EXPECT_EQ(again[0].text, "T");
        EXPECT_EQ(again[0].x, 0);
        EXPECT_EQ(again[0].y, 0);
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

}  // namespace
