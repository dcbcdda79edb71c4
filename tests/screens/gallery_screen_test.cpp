// The gallery screen under the test window, called from a plain scene: its
// first opening, the nodes of the opening and of a page, the panels per
// entry, the flash, and dragging panels with the real cursor between
// places and the pad; leaving with and without changes; events dropped
// while a page runs; the fatal sites.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../graphics/expect_box.h"
#include "../script/scene_fixtures.h"
#include "gallery_window.h"

namespace {

// Entry 0 has the clip panel and no thumbnail; entry 2 cannot be
// chosen; entry 3 has a panel text; entry 1 a balloon.
class CTestGallery : public CGalleryScreen {
public:
    CTestGallery() {
        pageTitles_[0] = "System/save_page01.png";
        pageTitles_[1] = "System/save_page02.png";
        pageTitles_[2] = "System/save_page03.png";
        titleImage_ = "System/load_title.png";
        tableFile_ = SaveSlotTableFile();
    }
    void PrepareEntries() override { ++prepared; }
    void SelectEntry(int32_t entry) override { selected.push_back(entry); }
    void SelectProjector() override {}
    std::string GetPanelImage(int32_t entry) override {
        return entry == 0 ? "System/save_clippanel.png" : "System/save_panel.png";
    }
    std::string GetThumbnailImage(int32_t entry) override { return entry == 0 ? "" : "System/thumb_a.png"; }
    std::string GetPanelText(int32_t entry) override { return entry == 3 ? "Three" : ""; }
    std::string GetBalloonText(int32_t entry) override { return entry == 1 ? "One" : ""; }
    std::string GetBalloonLogoImage(int32_t) override { return "System/playdata_logo.png"; }
    bool IsEntryEnabled(int32_t entry) override { return entry != 2; }

    int prepared = 0;
    std::vector<int32_t> selected;
};

SlotTable Ordered() {
    SlotTable table;
    for (int i = 0; i < kSlotTableSize; ++i) table[i] = i;
    return table;
}

class GalleryScreenTest : public GalleryWindowTest {
protected:
    ~GalleryScreenTest() override { EXPECT_TRUE(RecordedErrors().empty()); }
    std::unique_ptr<CGalleryScreen> MakeScreen() override { return std::make_unique<CTestGallery>(); }
    CTestGallery* Gallery() const { return static_cast<CTestGallery*>(screen); }
};

TEST_F(GalleryScreenTest, AFirstOpeningFillsThePagesInOrderAndWritesTheTable) {
    Run([&] {
        EXPECT_EQ(hostPointer->GetCurrentScene(), screen);
        EXPECT_EQ(Gallery()->prepared, 1);
        EXPECT_EQ(screen->GetState(), kGalleryReady);
        EXPECT_EQ(screen->GetTable(), Ordered());
        EXPECT_EQ(screen->GetTableCopy(), Ordered());
        SlotTable stored = EmptySlotTable();
        EXPECT_TRUE(ReadTable(SaveSlotTableFile(), stored));
        EXPECT_EQ(stored, Ordered());

        struct Placed {
            const char* path;
            int x, y, z;
        };
        const Placed placed[] = {
            {"Tab00", 666, 33, 50},     {"Tab01", 666, 33, 49},  {"Tab02", 666, 33, 48},
            {"Logo", 10, 50, 10},       {"PadBase", 720, 32, 1}, {"PanelSave", 689, 461, 50},
            {"Exit", 689, 482, 50},     {"PageTitle", 285, 58, 50}, {"Pad", 720, 32, 2},
            {"Data00", 58, 111, 100},   {"Data04", 526, 111, 100}, {"Data07", 292, 226, 100},
            {"Data19", 526, 456, 100},
        };
        for (const Placed& p : placed) {
            SCOPED_TRACE(p.path);
            CNode* node = root->FindNode(p.path);
            ASSERT_NE(node, nullptr);
            const POINT at = PositionOf(node);
            EXPECT_EQ(at.x, p.x);
            EXPECT_EQ(at.y, p.y);
            EXPECT_EQ(node->GetZ(), p.z);
        }
        int width = 0, height = 0;
        root->FindNode("PadBase")->GetSize(&width, &height);
        EXPECT_EQ(width, 70);
        EXPECT_EQ(height, 348);
        EXPECT_EQ(ImageFile("Logo"), "System/load_title.png");
        EXPECT_EQ(ImageFile("PageTitle"), "System/save_page01.png");
        EXPECT_FALSE(root->HasNodeAt("Projector"));
        EXPECT_FALSE(root->HasNodeAt("Total"));
        for (int place = 0; place < kPlacesPerPage; ++place) EXPECT_TRUE(root->HasNodeAt(DataPath(place)));
        EXPECT_FALSE(root->HasNodeAt("Data20"));

        // The second page: its tab in front, the others behind in order.
        screen->OnEvent("Page01");
        EXPECT_EQ(screen->GetCurrentPage(), 1);
        EXPECT_EQ(root->FindNode("Tab00")->GetZ(), 49);
        EXPECT_EQ(root->FindNode("Tab01")->GetZ(), 50);
        EXPECT_EQ(root->FindNode("Tab02")->GetZ(), 48);
        EXPECT_EQ(ImageFile("PageTitle"), "System/save_page02.png");
        auto* number = dynamic_cast<CTextNode*>(root->FindNode("Data00/Number"));
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->GetText(), "<FONT color=white shadow='#00000001' face='G'>021");
    });
}

TEST_F(GalleryScreenTest, APanelShowsWhatItsEntryHas) {
    Run([&] {
        struct Case {
            int place;  // on the first page: the entry
            const char* frame;
            const char* thumb;
            bool comment;
            bool enabled;
        };
        const Case cases[] = {
            {0, "System/save_clippanel.png", "none", false, true},
            {1, "System/save_panel.png", "System/thumb_a.png", false, true},
            {2, "System/save_panel.png", "System/thumb_a.png", false, false},
            {3, "System/save_panel.png", "System/thumb_a.png", true, true},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.place);
            const std::string data = DataPath(c.place);
            EXPECT_EQ(ImageFile(data + "/Frame/Image"), c.frame);
            EXPECT_EQ(ImageFile(data + "/Thumb/Image"), c.thumb);
            EXPECT_EQ(Enabled(data + "/Thumb"), c.enabled);
            EXPECT_EQ(root->HasNodeAt(data + "/Wave"), c.enabled);
            EXPECT_EQ(root->HasNodeAt(data + "/Focus"), c.enabled);
            EXPECT_EQ(root->HasNodeAt(data + "/Comment"), c.comment);
        }
        const POINT thumb = PositionOf(root->FindNode("Data01/Thumb/Image"));
        EXPECT_EQ(thumb.x, 12);
        EXPECT_EQ(thumb.y, 19);
        // The comment is centred on x 65 of its panel and ends where the
        // number at (16, 91) begins.
        CNode* comment = root->FindNode("Data03/Comment");
        int width = 0, height = 0;
        comment->GetSize(&width, &height);
        EXPECT_GT(width, 0);
        const POINT at = PositionOf(comment);
        EXPECT_EQ(at.x, 65 - width / 2);
        EXPECT_EQ(at.y, 91 - height);
        EXPECT_EQ(PositionOf(root->FindNode("Data03/Number")).y, 91);

        // Hovering the body of entry 1 shows its balloon beside it; entry 0
        // has no balloon text.
        MoveTo(OnFrame(1).x, OnFrame(1).y);
        ASSERT_TRUE(root->HasNodeAt("Info01"));
        const POINT balloon = PositionOf(root->FindNode("Info01"));
        EXPECT_EQ(balloon.x, 175 + 92);
        EXPECT_EQ(balloon.y, 111 + 35);
        EXPECT_EQ(ImageFile("Info01/Back/Logo"), "System/playdata_logo.png");
        MoveTo(OnFrame(0).x, OnFrame(0).y);
        EXPECT_FALSE(root->HasNodeAt("Info01"));
        EXPECT_FALSE(root->HasNodeAt("Info00"));

        // A click on a thumbnail chooses its entry; a disabled one does not.
        Send(WM_LBUTTONDOWN, 175 + 30, 111 + 40);
        Send(WM_LBUTTONUP, 175 + 30, 111 + 40);
        Send(WM_LBUTTONDOWN, 292 + 30, 111 + 40);
        Send(WM_LBUTTONUP, 292 + 30, 111 + 40);
        EXPECT_EQ(Gallery()->selected, std::vector<int32_t>{1});
        EXPECT_EQ(screen->GetHighlighted(), 1);

        // After a save the entry's panel is rebuilt and flashes out.
        screen->RefreshEntry(3);
        CNode* flash = root->FindNode("Data03/Flash");
        ASSERT_NE(flash, nullptr);
        double opacity = 0;
        flash->GetOpacity(&opacity);
        EXPECT_EQ(opacity, 1.0);
        hostPointer->Update(250);
        flash->GetOpacity(&opacity);
        EXPECT_DOUBLE_EQ(opacity, 0.75);
        hostPointer->Update(250);
        flash->GetOpacity(&opacity);
        EXPECT_EQ(opacity, 0.0);
    });
}

TEST_F(GalleryScreenTest, PanelsAreDraggedBetweenPlacesAndThePad) {
    Run([&] {
        const Bytes opened = ReadBytes(temp_.Path() + "UserData\\Table_Save.dat");
        // Onto an occupied place and outside every square: back at once.
        const POINT occupied = {OnFrame(6).x + 10, OnFrame(6).y + 10};
        for (POINT to : {occupied, POINT{30, 580}}) {
            Drag(OnFrame(0), to);
            EXPECT_EQ(screen->GetState(), kGalleryReady);
            EXPECT_EQ(screen->GetTable(), Ordered());
            EXPECT_TRUE(root->HasNodeAt("Data00"));
            EXPECT_FALSE(root->HasNodeAt("Work*"));
            EXPECT_EQ(GetCapture(), nullptr);
        }
        EXPECT_EQ(ReadScriptVariable(kOnDragCount), 2);
        EXPECT_EQ(ReadScriptVariable(kOnDropCount), 2);

        // Onto the pad: parked there, place 0 empty, leaving refused.
        Send(WM_LBUTTONDOWN, OnFrame(0).x, OnFrame(0).y);
        EXPECT_EQ(screen->GetState(), kGalleryDragging);
        EXPECT_EQ(GetCapture(), window);
        EXPECT_FALSE(root->HasNodeAt("Data00"));
        MoveTo(745, 105);
        CNode* work = root->FindNode("Work0102");
        ASSERT_NE(work, nullptr);
        EXPECT_EQ(PositionOf(work).x, 740);  // grabbed 5 pixels inside
        EXPECT_EQ(PositionOf(work).y, 100);
        Send(WM_LBUTTONUP, 745, 105);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(ReadScriptVariable(kToSmallCount), 1);
        EXPECT_EQ(Place(0, 0), kEmptyPlace);
        EXPECT_TRUE(root->HasNodeAt("Work0102"));
        EXPECT_FALSE(Enabled("Exit"));
        EXPECT_FALSE(Enabled("PanelSave"));
        EXPECT_FALSE(Enabled("Pad"));
        screen->OnEvent("Exit");
        EXPECT_EQ(hostPointer->GetCurrentScene(), screen);
        EXPECT_EQ(ReadScriptVariable(kNoSaveCount), 0);

        // From place 1 into the empty place 0.
        Drag(OnFrame(1), POINT{75, 105});
        EXPECT_EQ(Place(0, 0), 1);
        EXPECT_EQ(Place(0, 1), kEmptyPlace);
        EXPECT_EQ(PositionOf(root->FindNode("Data00")).x, 58);
        EXPECT_FALSE(root->HasNodeAt("Data01"));

        // From the pad onto an occupied place: it glides back and shrinks.
        Send(WM_LBUTTONDOWN, 750, 110);
        EXPECT_EQ(ReadScriptVariable(kToBigCount), 1);
        EXPECT_EQ(work->GetZ(), 200);
        MoveTo(occupied.x + 10, occupied.y + 10);
        Send(WM_LBUTTONUP, occupied.x + 10, occupied.y + 10);
        EXPECT_EQ(GetCapture(), nullptr);
        const POINT dropped = PositionOf(work);
        hostPointer->Update(150);
        const POINT halfway = PositionOf(work);
        EXPECT_EQ(halfway.x, std::lround((dropped.x + 740) / 2.0));  // AccSig is 0.5 halfway
        EXPECT_EQ(halfway.y, std::lround((dropped.y + 100) / 2.0));
        hostPointer->Update(150);
        EXPECT_EQ(PositionOf(work).x, 740);
        EXPECT_EQ(PositionOf(work).y, 100);
        double zoomX = 0, zoomY = 0;
        work->GetZoom(&zoomX, &zoomY);
        EXPECT_EQ(zoomX, 0.5);
        EXPECT_EQ(zoomY, 0.5);

        // From the pad into the empty place 1: the pad is empty again.
        Drag(POINT{745, 105}, POINT{190, 105});
        EXPECT_EQ(Place(0, 1), 0);
        EXPECT_FALSE(root->HasNodeAt("Work*"));
        EXPECT_TRUE(Enabled("Exit"));
        EXPECT_TRUE(Enabled("PanelSave"));
        EXPECT_TRUE(Enabled("Pad"));
        EXPECT_EQ(GetCapture(), nullptr);

        // Leaving after the change asks; No leaves the file as it was.
        screen->OnEvent("Exit");
        EXPECT_EQ(screen->GetState(), kGalleryAskSave);
        EXPECT_EQ(ReadScriptVariable(kNoSaveCount), 1);
        screen->OnEvent("No");
        EXPECT_EQ(ReadScriptVariable(kSaveNoCount), 1);
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
        EXPECT_EQ(ReadBytes(temp_.Path() + "UserData\\Table_Save.dat"), opened);
    });
}

TEST_F(GalleryScreenTest, LeavingWritesTheTableOnYesAndAsksNothingWithoutAChange) {
    Run([&] {
        screen->OnEvent("Exit");
        EXPECT_EQ(ReadScriptVariable(kFadeBeginCount), 1);
        EXPECT_EQ(ReadScriptVariable(kNoSaveCount), 0);
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
        hostPointer->Update(17);

        Open();
        Drag(OnFrame(0), POINT{745, 105});
        Drag(OnFrame(1), POINT{75, 105});
        Drag(POINT{745, 105}, POINT{190, 105});
        SlotTable swapped = Ordered();
        swapped[0] = 1;
        swapped[1] = 0;
        ASSERT_EQ(screen->GetTable(), swapped);
        // A right click answers No like the button.
        screen->OnEvent("Exit");
        EXPECT_EQ(Send(WM_RBUTTONDOWN, 100, 100), 1);
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
        hostPointer->Update(17);

        Open();
        EXPECT_EQ(screen->GetTable(), Ordered());
        Drag(OnFrame(0), POINT{745, 105});
        Drag(OnFrame(1), POINT{75, 105});
        Drag(POINT{745, 105}, POINT{190, 105});
        screen->OnEvent("Exit");
        screen->OnEvent("Yes");
        EXPECT_EQ(ReadScriptVariable(kSaveOkCount), 1);
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
        SlotTable stored = EmptySlotTable();
        EXPECT_TRUE(ReadTable(SaveSlotTableFile(), stored));
        EXPECT_EQ(stored, swapped);
    });
}

TEST_F(GalleryScreenTest, SavingTheTableShowsANoticeAndDropsEventsWhileItsPageRuns) {
    Run([&] {
        Drag(OnFrame(0), POINT{745, 105});
        Drag(OnFrame(1), POINT{75, 105});
        Drag(POINT{745, 105}, POINT{190, 105});
        screen->OnEvent("SaveTable");
        EXPECT_EQ(ReadScriptVariable(kSavingCount), 1);
        EXPECT_TRUE(screen->IsEventRunning());
        EXPECT_EQ(screen->GetState(), kGalleryBusy);
        EXPECT_EQ(screen->GetTableCopy(), screen->GetTable());
        SlotTable stored = EmptySlotTable();
        EXPECT_TRUE(ReadTable(SaveSlotTableFile(), stored));
        EXPECT_EQ(stored, screen->GetTable());

        // Raised while the notice's page runs: dropped.
        screen->RaiseEvent(kGalleryReady, "OnDrop");
        screen->OnEvent("Exit");
        EXPECT_EQ(ReadScriptVariable(kOnDropCount), 3);
        EXPECT_EQ(ReadScriptVariable(kFadeBeginCount), 0);

        hostPointer->Update(kSavingNoticeMs);
        EXPECT_FALSE(screen->IsEventRunning());
        EXPECT_EQ(screen->GetState(), kGallerySavingNotice);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 300, 550), 1);
        EXPECT_EQ(ReadScriptVariable(kEndCautionCount), 1);
        EXPECT_EQ(screen->GetState(), kGalleryReady);
        // Saved: leaving asks nothing.
        screen->OnEvent("Exit");
        EXPECT_EQ(ReadScriptVariable(kNoSaveCount), 0);
        EXPECT_EQ(hostPointer->GetCurrentScene(), base);
    });
}

}  // namespace

namespace {

TEST_F(GalleryScreenTest, ImpossiblePagesPlacesAndKindsEndTheGame) {
    Run([&] {
        struct Case {
            const char* name;
            std::function<void()> act;
            int place;
        };
        const Case cases[] = {
            {"page 3", [&] { screen->SelectPage(3); }, 613},
            {"page -1", [&] { screen->SelectPage(-1); }, 613},
            {"column 5", [&] { screen->BuildPanel(5, 0, 0); }, 659},
            {"row 4", [&] { screen->BuildPanel(0, 4, 0); }, 661},
            {"hover kind 5", [&] { screen->OnHover(5, 0, 0); }, 319},
            {"outside kind 0", [&] { screen->OnOutside(0, 0, 0); }, 346},
            {"down kind 5", [&] { screen->OnDown(5, 0, 0); }, 836},
            {"pick-up from place 20", [&] { screen->OnDown(kPanelFrame, 20, 0); }, 880},
            {"balloon of place 20", [&] { screen->OnHover(kPanelBody, 20, 0); }, 248},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_THROW(c.act(), CInternalError);
            ExpectOneBox(ErrorKind::Internal, kModuleGallery, c.place);
        }
    });
}

}  // namespace
