// The quick-load caution filled from the quick-save slot and
// "System/Save.def": its nodes with their exact markup and places, the
// cases that show nothing, and the description file's failures.
#include <gtest/gtest.h>

#include <string>

#include "../graphics/expect_box.h"
#include "menu_panel_fixture.h"
#include "scene/image_node.h"
#include "scene/node_kind.h"
#include "screens/quick_save.h"
#include "text/text_node.h"

namespace {

const char kMarkup[] = "<FONT face='G' color='RGB(23,30,138)'><B>";

class ClipLoadCautionTest : public MenuPanelTest {
protected:
    // The quick-save slot with the caption, stamped 5 March 2004 9:07:30.
    void WriteQuickSave(const std::string& caption) {
        CPlayData slot;
        slot.vars.caption = caption;
        SaveStamp stamp;
        stamp.fields = {30, 7, 9, 5, 2, 104, 5, 64, 0};
        temp_.Write(QuickSaveFileName, slot.Encode(stamp));
    }
    bool HasCautionNode(const char* name) { return menu_->GetRootNode()->HasNodeAt(std::string("Menu/Caution/") + name); }
    CTextNode* CautionText(const char* name) {
        return dynamic_cast<CTextNode*>(menu_->GetRootNode()->FindNode(std::string("Menu/Caution/") + name));
    }
};

void ExpectCautionText(CTextNode* text, int x, int y, const std::string& content) {
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetNodeKind(), kNodeKindText);
    double px = 0, py = 0;
    text->GetPosition(&px, &py);
    EXPECT_EQ(px, x);
    EXPECT_EQ(py, y);
    EXPECT_EQ(text->GetZ(), 0);
    EXPECT_EQ(text->GetBoxWidth(), 800);
    EXPECT_EQ(text->GetBoxHeight(), 600);
    EXPECT_EQ(text->GetText(), content);
    EXPECT_EQ(text->GetRenderMethod(), kRenderSupersampled);
    EXPECT_EQ(text->InitialFontState().size, 14);
    EXPECT_EQ(text->InitialTypeState().style, 1);
    EXPECT_EQ(text->InitialTypeState().interval, 0);
    EXPECT_EQ(text->InitialTypeState().speed, 0);
}

TEST_F(ClipLoadCautionTest, TheSlotsThumbnailCommentAndDate) {
    PackSaveDef("# captions\r\nOther,'',''\r\nCh2,'System/thumb.png','<I>Chapter</I> two'\r\n");
    WriteQuickSave("Ch2");
    Open();
    menu_->ShowClipLoadCaution();

    auto* thumb = dynamic_cast<CImageNode*>(menu_->GetRootNode()->FindNode("Menu/Caution/Thumb"));
    ASSERT_NE(thumb, nullptr);
    EXPECT_EQ(thumb->GetNodeKind(), kNodeKindImage);
    EXPECT_EQ(thumb->GetFile(), "System/thumb.png");
    double x = 0, y = 0, zoomX = 0, zoomY = 0;
    thumb->GetPosition(&x, &y);
    thumb->GetZoom(&zoomX, &zoomY);
    EXPECT_EQ(x, 69);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(thumb->GetZ(), 0);
    EXPECT_EQ(zoomX, 0.5);
    EXPECT_EQ(zoomY, 0.5);
    int width = 0, height = 0;
    thumb->GetSize(&width, &height);
    EXPECT_EQ(width, 2);  // attached: the picture is loaded

    ExpectCautionText(CautionText("Comment"), 118, 21, std::string(kMarkup) + "<I>Chapter</I> two");
    ExpectCautionText(CautionText("Date"), 118, 38, std::string(kMarkup) + "2004/03/05  9:07");
    EXPECT_EQ(menu_->GetRootNode()->FindNode("Menu/Caution")->GetChildren().size(), 3u);
}

TEST_F(ClipLoadCautionTest, WhatShowsNothing) {
    struct Case {
        const char* label;
        const char* saveDef;  // null: no System.dat at all
        const char* caption;  // null: no quick-save file
        bool comment;
        bool thumb;
    };
    const Case cases[] = {
        {"no picture field", "Ch2,'','two'\r\n", "Ch2", true, false},
        {"a caption without a line", "Ch1,'System/thumb.png','one'\r\n", "Ch2", false, false},
        {"an empty description file", "", "Ch2", false, false},
        {"no quick-save file, no description file", nullptr, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CSceneHost host;
        if (c.saveDef) {
            PackSaveDef(c.saveDef);
        } else {
            DeleteFileA((temp_.Path() + "System.dat").c_str());
        }
        DeleteFileA((temp_.Path() + "UserData\\Play0001.dat").c_str());
        if (c.caption) WriteQuickSave(c.caption);
        auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
        menu_ = owned.get();
        host.AttachScene(std::move(owned));
        menu_->ShowClipLoadCaution();
        EXPECT_EQ(HasCautionNode("Comment"), c.comment);
        EXPECT_EQ(HasCautionNode("Date"), c.comment);
        EXPECT_EQ(HasCautionNode("Thumb"), c.thumb);
    }
}

TEST_F(ClipLoadCautionTest, ARefusedSlotShowsNothing) {
    temp_.Write(QuickSaveFileName, std::string("MirlP001 damaged"));
    DeleteFileA((temp_.Path() + "System.dat").c_str());
    Open();
    menu_->ShowClipLoadCaution();
    EXPECT_TRUE(menu_->GetRootNode()->FindNode("Menu/Caution")->GetChildren().empty());
}

TEST_F(ClipLoadCautionTest, TheDescriptionFilesFailuresAreFatal) {
    WriteQuickSave("Ch2");
    Open();
    PackSaveDef("Ch1,'a','b'\r\nCh2,'c','d'\r\nCh1,'e','f'\r\n");
    EXPECT_THROW(menu_->ShowClipLoadCaution(), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleInGameMenu, 1693);
    DeleteFileA((temp_.Path() + "System.dat").c_str());
    EXPECT_THROW(menu_->ShowClipLoadCaution(), CInternalError);
    ExpectOneBox(ErrorKind::FileIO, kModuleInGameMenu, 1662);
    EXPECT_TRUE(menu_->GetRootNode()->FindNode("Menu/Caution")->GetChildren().empty());
}

}  // namespace
