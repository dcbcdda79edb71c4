// The frame of the window tests of the gallery and the load and save
// screens: the packed game data in a temporary base folder, a scene below
// that logs the labels it is returned to with, the screen called from it
// in the test window, and the real cursor driving the mouse.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "gallery_fixture.h"
#include "return_log.h"
#include "graphics/display_driver.h"
#include "scene/button_node.h"
#include "scene/image_node.h"
#include "screens/gallery_screen.h"
#include "script/scene_host.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/real_cursor.h"
#include "support/temp_folder.h"
#include "text/text_node.h"

inline std::string DataPath(int place) {
    char name[8];
    std::snprintf(name, sizeof name, "Data%02d", place);
    return name;
}

inline POINT PositionOf(CNode* node) {
    double x = 0, y = 0;
    node->GetPosition(&x, &y);
    return POINT{std::lround(x), std::lround(y)};
}

class GalleryWindowTest : public testing::Test {
protected:
    explicit GalleryWindowTest(bool withSaveDef = true) {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        PackGalleryData(temp_, withSaveDef);
        ClearRecordedErrors();
    }

    // A fresh screen of the kind under test.
    virtual std::unique_ptr<CGalleryScreen> MakeScreen() = 0;

    // Runs the body with the scene below in the test window, once it has
    // called a fresh screen (Open) unless told not to.
    template <class Body>
    void Run(Body body, bool open = true) {
        RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            window = f.window;
            CSceneHost host;
            hostPointer = &host;
            host.AttachScene(std::make_unique<CReturnLog>(returns));
            base = host.GetCurrentScene();
            host.SetTransform(CTransform2D(0, 0, 1, 1, 1, 0));
            if (open) Open();
            body();
            ReleaseCapture();
        });
    }
    void Open() {
        std::unique_ptr<CGalleryScreen> owned = MakeScreen();
        screen = owned.get();
        root = screen->GetRootNode();
        hostPointer->CallScene(std::move(owned));
    }

    void MoveTo(int x, int y) {
        EXPECT_TRUE(PlaceCursor(window, x, y));
        hostPointer->HandleMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    int Send(UINT message, int x, int y) {
        MoveTo(x, y);
        return hostPointer->HandleMessage(window, message, 0, MAKELPARAM(x, y));
    }
    // Presses at from, moves to to and lets go there.
    void Drag(POINT from, POINT to) {
        Send(WM_LBUTTONDOWN, from.x, from.y);
        EXPECT_EQ(screen->GetState(), kGalleryDragging) << "nothing picked up at " << from.x << "," << from.y;
        MoveTo((from.x + to.x) / 2, (from.y + to.y) / 2);
        Send(WM_LBUTTONUP, to.x, to.y);
    }
    // A point on the frame of the panel of a place (above no thumbnail).
    static POINT OnFrame(int place) {
        POINT at = CGalleryScreen::PanelPosition(place);
        return POINT{at.x + 5, at.y + 5};
    }
    int32_t Place(int page, int place) const { return screen->GetTable()[page * kPlacesPerPage + place]; }
    bool Enabled(const std::string& path) { return static_cast<CButtonNode*>(root->FindNode(path))->IsEnabled(); }
    std::string ImageFile(const std::string& path) {
        auto* image = dynamic_cast<CImageNode*>(root->FindNode(path));
        return image ? image->GetFile() : "none";
    }
    std::string Text(const std::string& path) {
        auto* text = dynamic_cast<CTextNode*>(root->FindNode(path));
        return text ? text->GetText() : "none";
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    HWND window = nullptr;
    CSceneHost* hostPointer = nullptr;
    CScene* base = nullptr;
    std::vector<std::string> returns;
    CGalleryScreen* screen = nullptr;
    CNode* root = nullptr;
};
