// One chapter of the demo under the root scene in a test window, driven in
// fixed 17 ms frames as the main loop drives it, for tests that read the
// story's node tree at its key waits.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "counting_menu.h"
#include "app/display_device.h"
#include "scene/script_page_node.h"
#include "script/scene_host.h"

class CChapterFrames {
public:
    // `chapter` as the root scene names it ("S/Log.txt"); the scene is
    // attached at once.
    CChapterFrames(const char* chapter, CDisplayDevice& device, HWND window) : device_(device), window_(window) {
        auto owned = std::make_unique<CCountingMenu>(chapter);
        menu_ = owned.get();
        host_.AttachScene(std::move(owned));
    }

    void Frames(int count) {
        const CTransform2D identity(0, 0, 1, 1, 1, 0);
        const RECT screen = {0, 0, 800, 600};
        for (int i = 0; i < count; ++i) {
            host_.BeginFrame();
            host_.Update(kFrameMs);
            host_.SetTransform(identity);
            host_.Draw(*device_.GetBackBuffer(), identity, &screen);
            host_.Present(device_);
        }
    }

    // Frames until the story's next key wait has begun, `eachFrame` called
    // after every one; false when none begins within `limit` frames.
    bool UntilKeyWait(int limit, const std::function<void()>& eachFrame = {}) {
        const int before = menu_->begun;
        for (int i = 0; i < limit && menu_->begun == before; ++i) {
            Frames(1);
            if (eachFrame) eachFrame();
        }
        return menu_->begun > before;
    }

    // A key pressed, handed to the scenes as the window would.
    void Key(WPARAM code) { host_.HandleMessage(window_, WM_KEYDOWN, code, 0); }

    // The story's node (the chapter's nodes are its children); null when
    // there is none.
    CScriptPageNode* Story() { return menu_->FindGameNode(); }

    static constexpr int kFrameMs = 17;

private:
    CDisplayDevice& device_;
    HWND window_;
    CSceneHost host_;
    CCountingMenu* menu_ = nullptr;
};
