// The load and save screens over slot files made by the play-data writer
// (missing, valid, marked, damaged, described and not): the panels per
// entry, the confirmation nodes of each screen, "Yes" loading or saving,
// "No" and the right click, and the failures of each screen's module.
#include <memory>
#include <string>
#include <vector>

#include "../graphics/expect_box.h"
#include "../script/scene_fixtures.h"
#include "gallery_window.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "screens/slot_screen.h"

namespace {

// 5 March 2004, 9:07:30.
SaveStamp MarchStamp() {
    SaveStamp stamp;
    stamp.fields = {30, 7, 9, 5, 2, 104, 5, 64, 0};
    return stamp;
}

bool SameVariables(const SaveVariables& a, const SaveVariables& b) {
    return a.stamp == b.stamp && a.caption == b.caption && a.values == b.values && a.strings == b.strings;
}

struct ScreenKind {
    const char* name;
    bool load;
    int module;
};
const ScreenKind kKinds[] = {{"load", true, kModuleLoadScreen}, {"save", false, kModuleSaveScreen}};

class SlotScreenTest : public GalleryWindowTest {
protected:
    explicit SlotScreenTest(bool withSaveDef = true) : GalleryWindowTest(withSaveDef) {
        GetPlayData().vars = CPlayData().vars;
        GetSavedPlayData().vars = CPlayData().vars;
        CPlayData forest;
        forest.vars.caption = "Forest";
        forest.vars.values[5] = 55;
        forest.vars.strings[2] = "two";
        forestBytes = forest.Encode(MarchStamp());
        temp_.Write("UserData/Play0001.dat", forestBytes);
        SaveSlot(2, "River", true);
        damaged = {'M', 'i', 'r', 'l', 'P', '0', '0', '1'};
        damaged.resize(40, 0x5A);
        temp_.Write("UserData/Play0004.dat", damaged);
        SaveSlot(5, "Unknown", false);
        SaveSlot(6, "Bare", false);
    }
    ~SlotScreenTest() override { EXPECT_TRUE(RecordedErrors().empty()); }

    void SaveSlot(int slot, const char* caption, bool marked) {
        CPlayData data;
        data.vars.caption = caption;
        data.vars.values[CSlotScreen::kMarkVariable] = marked ? 1 : 0;
        ASSERT_TRUE(data.Save(temp_.Path() + "UserData\\" + PlayDataSlotPath(slot).substr(9)));
    }
    std::unique_ptr<CGalleryScreen> MakeScreen() override {
        if (kind->load) return std::make_unique<CLoadScreen>();
        return std::make_unique<CSaveScreen>();
    }
    CSlotScreen* Slots() const { return static_cast<CSlotScreen*>(screen); }
    std::string SlotPath(int slot) const { return temp_.Path() + "UserData\\" + PlayDataSlotPath(slot).substr(9); }

    const ScreenKind* kind = &kKinds[0];
    Bytes forestBytes;
    Bytes damaged;
};

class SlotScreenWithoutSaveDefTest : public SlotScreenTest {
protected:
    SlotScreenWithoutSaveDefTest() : SlotScreenTest(false) {}
};

TEST_F(SlotScreenTest, EachEntryShowsItsSlot) {
    const std::string date = "<BR><FONT shadow='#00000001'>2004/03/05";
    struct Case {
        int entry;
        const char* panel;
        const char* thumb;
        std::string text;
        bool loadable;  // choosable on the load screen; the save screen takes all
    };
    const Case cases[] = {
        {0, "System/save_clippanel.png", "System/thumb_a.png", kForestComment + date, true},
        {1, "System/save_panel2.png", "System/thumb_b.png", "", true},
        {2, "System/save_panel.png", "System/thumb_save_nodata.png", "", false},
        {3, "System/save_panel.png", "System/thumb_save_nodata.png", "", false},
        {4, "System/save_panel.png", "", "", true},
        {5, "System/save_panel.png", "", "", true},
    };
    for (const ScreenKind& k : kKinds) {
        SCOPED_TRACE(k.name);
        kind = &k;
        Run([&] {
            EXPECT_EQ(ImageFile("Logo"), k.load ? "System/load_title.png" : "System/save_title.png");
            for (const Case& c : cases) {
                SCOPED_TRACE(c.entry);
                EXPECT_EQ(screen->GetPanelImage(c.entry), c.panel);
                EXPECT_EQ(screen->GetThumbnailImage(c.entry), c.thumb);
                if (c.entry != 1 && c.entry != 5) {
                    EXPECT_EQ(screen->GetPanelText(c.entry), c.text);
                }
                EXPECT_EQ(screen->GetBalloonLogoImage(c.entry), "System/playdata_logo.png");
                const bool enabled = !k.load || c.loadable;
                EXPECT_EQ(screen->IsEntryEnabled(c.entry), enabled);
                EXPECT_EQ(Enabled(DataPath(c.entry) + "/Thumb"), enabled);
                EXPECT_EQ(ImageFile(DataPath(c.entry) + "/Frame/Image"), c.panel);
            }
            EXPECT_EQ(screen->GetBalloonText(0), kForestComment + date + "  9:07");
            // Saved today: the comment, then the date of the saving.
            EXPECT_EQ(screen->GetPanelText(1).rfind(std::string(kRiverComment) + "<BR><FONT shadow='#00000001'>", 0),
                      0u);
            EXPECT_EQ(screen->GetPanelText(5).rfind(std::string(kBareComment) + "<BR>", 0), 0u);
            EXPECT_EQ(Text("Data00/Comment"), "<FONT color=white face='G'>" + screen->GetPanelText(0));
            EXPECT_TRUE(Slots()->GetRecord(1).marked);
            EXPECT_FALSE(Slots()->GetRecord(3).exists);
            EXPECT_EQ(Slots()->GetRecord(59).fileName, "UserData/Play0060.dat");
        });
        EXPECT_EQ(ReadBytes(SlotPath(4)), damaged);  // the damaged slot is left as it is
    }
}

TEST_F(SlotScreenTest, EachScreenBuildsItsConfirmation) {
    for (const ScreenKind& k : kKinds) {
        SCOPED_TRACE(k.name);
        kind = &k;
        // The save screen describes the game to be saved.
        GetSavedPlayData().vars.caption = "River";
        Run([&] {
            screen->OnEvent(k.load ? "SelectPanel00" : "SelectPanel02");
            EXPECT_EQ(screen->GetState(), kGalleryConfirm);
            EXPECT_EQ(Slots()->GetSelected(), k.load ? 0 : 2);
            EXPECT_EQ(ReadScriptVariable(k.load ? kDataLoadCount : kDataSaveCount), 1);
            CNode* thumb = root->FindNode("Caution/Thumb");
            ASSERT_NE(thumb, nullptr);
            EXPECT_EQ(ImageFile("Caution/Thumb"), k.load ? "System/thumb_a.png" : "System/thumb_b.png");
            EXPECT_EQ(PositionOf(thumb).x, 69);
            EXPECT_EQ(PositionOf(thumb).y, 20);
            double zoomX = 0, zoomY = 0;
            thumb->GetZoom(&zoomX, &zoomY);
            EXPECT_EQ(zoomX, 0.5);
            EXPECT_EQ(zoomY, 0.5);
            const POINT comment = PositionOf(root->FindNode("Caution/Comment"));
            EXPECT_EQ(comment.x, 118);
            EXPECT_EQ(comment.y, k.load ? 21 : 28);
            EXPECT_EQ(Text("Caution/Comment"), std::string("<FONT face='G' color='RGB(23,30,138)'><B>") +
                                                   (k.load ? kForestComment : kRiverComment));
            if (k.load) {
                EXPECT_EQ(PositionOf(root->FindNode("Caution/Date")).y, 38);
                EXPECT_EQ(Text("Caution/Date"), "<FONT face=G color='RGB(23,30,138)'><B>2004/03/05  9:07");
            } else {
                EXPECT_FALSE(root->HasNodeAt("Caution/Date"));
            }

            // A key without a description makes no nodes.
            screen->OnEvent("No");
            GetSavedPlayData().vars.caption = "Unknown";
            screen->OnEvent("SelectPanel04");
            EXPECT_EQ(screen->GetState(), kGalleryConfirm);
            EXPECT_FALSE(root->HasNodeAt("Caution/Thumb"));
            EXPECT_FALSE(root->HasNodeAt("Caution/Comment"));

            // Numbers outside the slots are ignored.
            screen->OnEvent("No");
            for (const char* message : {"SelectPanel60", "SelectPanel7", "SelectPanelab", "SelectPanel-1"}) {
                screen->OnEvent(message);
                EXPECT_EQ(screen->GetState(), kGalleryReady) << message;
            }
            EXPECT_EQ(Slots()->GetSelected(), 4);
        });
    }
}

TEST_F(SlotScreenTest, YesOnTheLoadScreenLoadsTheSlotAndReturnsLoadGame) {
    Run([&] {
        GetPlayData().vars.values[5] = 1;
        screen->OnEvent("SelectPanel00");
        screen->OnEvent("Yes");
        CPlayData slot;
        ASSERT_TRUE(slot.Decode(forestBytes));
        EXPECT_TRUE(SameVariables(GetPlayData().vars, slot.vars));
        EXPECT_TRUE(SameVariables(GetSavedPlayData().vars, slot.vars));
        EXPECT_EQ(returns, std::vector<std::string>{"LoadGame"});
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
    });
}

TEST_F(SlotScreenTest, YesOnTheSaveScreenWritesTheSlotAndFlashesItsPanel) {
    kind = &kKinds[1];
    Run([&] {
        CPlayData& saved = GetSavedPlayData();
        saved.vars.caption = "Forest";
        saved.vars.values[CSlotScreen::kMarkVariable] = 1;
        saved.vars.strings[7] = "seven";
        screen->OnEvent("SelectPanel02");
        screen->OnEvent("Yes");
        EXPECT_EQ(screen->GetState(), kGalleryReady);
        EXPECT_EQ(ReadScriptVariable(kOkCautionCount), 1);
        CPlayData written;
        ASSERT_TRUE(written.Load(SlotPath(3)));
        EXPECT_TRUE(SameVariables(written.vars, saved.vars));
        EXPECT_TRUE(Slots()->GetRecord(2).exists);
        EXPECT_TRUE(Slots()->GetRecord(2).marked);
        EXPECT_EQ(ImageFile("Data02/Frame/Image"), "System/save_panel2.png");
        EXPECT_EQ(ImageFile("Data02/Thumb/Image"), "System/thumb_a.png");
        CNode* flash = root->FindNode("Data02/Flash");
        ASSERT_NE(flash, nullptr);
        hostPointer->Update(250);
        double opacity = 0;
        flash->GetOpacity(&opacity);
        EXPECT_DOUBLE_EQ(opacity, 0.75);
        EXPECT_EQ(hostPointer->GetCurrentScene(), screen);
    });
}

TEST_F(SlotScreenTest, NoAndTheRightClickCancelAlike) {
    for (const ScreenKind& k : kKinds) {
        SCOPED_TRACE(k.name);
        kind = &k;
        SetVariable(kCancelCautionCount, 0);
        Run([&] {
            screen->OnEvent("SelectPanel01");
            screen->OnEvent("No");
            EXPECT_EQ(screen->GetState(), kGalleryReady);
            screen->OnEvent("SelectPanel01");
            EXPECT_EQ(Send(WM_RBUTTONDOWN, 400, 560), 1);
            EXPECT_EQ(screen->GetState(), kGalleryReady);
            EXPECT_EQ(ReadScriptVariable(kCancelCautionCount), 2);
            EXPECT_EQ(GetPlayData().vars.caption, "");
            EXPECT_FALSE(FileExists(SlotPath(3)));
            EXPECT_EQ(hostPointer->GetCurrentScene(), screen);
        });
    }
}

TEST_F(SlotScreenTest, YesWithoutAChoiceEndsTheGame) {
    for (const ScreenKind& k : kKinds) {
        SCOPED_TRACE(k.name);
        kind = &k;
        Run([&] {
            screen->SetState(kGalleryConfirm);
            EXPECT_THROW(screen->OnEvent("Yes"), CInternalError);
            ExpectOneBox(ErrorKind::Internal, k.module, k.load ? 76 : 77);
        });
    }
}

TEST_F(SlotScreenWithoutSaveDefTest, AMissingDescriptionFileEndsTheGame) {
    for (const ScreenKind& k : kKinds) {
        SCOPED_TRACE(k.name);
        kind = &k;
        Run([&] { EXPECT_THROW(Open(), CInternalError); }, false);
        ExpectOneBox(ErrorKind::FileIO, k.module, k.load ? 363 : 356);
    }
}

}  // namespace
