// The demo's save points and what the save screen shows of them: every
// chapter, the first one of every round included, begins at a save point of
// its own with a line in "System/Save.def", and a slot saved there shows its
// comment and date on its panel, below its thumbnail.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "demo_game.h"
#include "graphics/display_driver.h"
#include "menu_globals_scope.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/node.h"
#include "screens/gallery_layout.h"
#include "screens/in_game_menu.h"
#include "screens/slot_screen.h"
#include "script/scene_host.h"
#include "support/display_run.h"
#include "support/error_recorder.h"

namespace {

const char* const kChapters[] = {"Motion", "Transitions", "Sound", "Choice", "Objects", "Text",
                                 "Composite", "Log", "Balloons", "Movies", "Effects"};
constexpr int kChapterCount = sizeof kChapters / sizeof kChapters[0];

RECT NodeRect(CNode* node) {
    double x = 0, y = 0;
    node->GetPosition(&x, &y);
    int width = 0, height = 0;
    node->GetSize(&width, &height);
    const LONG left = static_cast<LONG>(x), top = static_cast<LONG>(y);
    return RECT{left, top, left + width, top + height};
}

class DemoSavePointsTest : public testing::Test {
protected:
    CDemoFolder game_;
    CMenuGlobalsScope globals_;
};

// @100 is the chapter a loaded game resumes at; 0 is the story's second
// round, which begins again at the first chapter.
TEST_F(DemoSavePointsTest, EveryChapterBeginsAtItsOwnSavePoint) {
    // Each chapter is begun up to its first wait, the movie chapter's
    // player included, in a window with a display.
    game_.Replace("Movie/Lanterns.avi", "Movie/Lanterns.avi");
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        for (int resume = 0; resume <= kChapterCount; ++resume) {
            const std::string expected = kChapters[resume == 0 ? 0 : resume - 1];
            SCOPED_TRACE(expected);
            GetPlayData().vars = CPlayData().vars;
            GetSavedPlayData().vars = CPlayData().vars;
            GetPlayData().vars.values[100] = resume;
            CSceneHost host;
            host.AttachScene(std::make_unique<CInGameMenu>("S/Main.txt"));
            EXPECT_EQ(GetSavedPlayData().vars.caption, expected);
            EXPECT_EQ(GetSavedPlayData().vars.values[116], expected == "Choice" ? 1 : 0);
        }
    });
    EXPECT_TRUE(RecordedErrors().empty());
}

// The comment and date stand below the thumbnail and clear of the slot's
// big number: they must fit on the panel's picture and share no pixel with
// either, for the widest date of a year and every slot number of a page.
TEST_F(DemoSavePointsTest, ASlotsCommentAndDateLieOnItsPanelClearOfThumbnailAndNumber) {
    SaveStamp wide;  // 2088/08/28 20:08
    wide.fields[5] = 188;
    wide.fields[4] = 7;
    wide.fields[3] = 28;
    wide.fields[2] = 20;
    wide.fields[1] = 8;
    for (int chapter = 0; chapter < kChapterCount; ++chapter) {
        CPlayData data;
        data.vars.caption = kChapters[chapter];
        game_.Write(PlayDataSlotPath(chapter + 1).c_str(), data.Encode(wide));
    }
    CSceneHost host;
    auto owned = std::make_unique<CSaveScreen>();
    CSlotScreen* screen = owned.get();
    host.AttachScene(std::move(owned));
    CNode* root = screen->GetRootNode();
    for (int chapter = 0; chapter < kChapterCount; ++chapter) {
        SCOPED_TRACE(kChapters[chapter]);
        char name[8];
        std::snprintf(name, sizeof name, "Data%02d", chapter);
        const std::string panel = name;
        ASSERT_FALSE(screen->GetPanelText(chapter).empty());
        CNode* comment = root->FindNode(panel + "/Comment");
        CNode* picture = root->FindNode(panel + "/Frame/Image");
        CNode* thumbnail = root->FindNode(panel + "/Thumb/Image");
        CNode* number = root->FindNode(panel + "/Number");
        ASSERT_NE(comment, nullptr);
        ASSERT_NE(picture, nullptr);
        ASSERT_NE(thumbnail, nullptr);
        ASSERT_NE(number, nullptr);
        const RECT text = NodeRect(comment);
        const RECT face = NodeRect(picture);
        EXPECT_GE(text.left, face.left);
        EXPECT_LE(text.right, face.right);
        EXPECT_GE(text.top, NodeRect(thumbnail).bottom);
        EXPECT_LE(text.bottom, face.bottom);
        RECT overlap;
        const RECT digits = NodeRect(number);
        EXPECT_FALSE(IntersectRect(&overlap, &text, &digits))
            << "comment " << text.left << "," << text.top << "-" << text.right << "," << text.bottom << " number "
            << digits.left << "," << digits.top << "-" << digits.right << "," << digits.bottom;
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
