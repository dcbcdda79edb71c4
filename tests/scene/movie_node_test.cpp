// The movie node in an open scene of the test window, over the AVIFile
// player and the generated movies: frames in the back buffer at the node's
// place, the named messages, deactivation, the music settings and Clear.
#include <gtest/gtest.h>

#include "graphics/display_driver.h"
#include "media/movie/movie.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/movie_node.h"
#include "script/scene.h"
#include "script/scene_host.h"
#include "support/display_run.h"
#include "support/error_recorder.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

std::string MoviePath(const char* name) { return std::string(MIRL_MOVIE_DIR) + name; }

// Which flat test colour a back-buffer pixel shows.
char ShadeOf(Color32 pixel) {
    int r = (pixel >> 16) & 0xFF;
    int g = (pixel >> 8) & 0xFF;
    int b = pixel & 0xFF;
    if (r >= 0x60 && g < 0x40 && b < 0x40) return 'R';
    if (r < 0x40 && g >= 0x60 && b < 0x40) return 'G';
    if (r < 0x40 && g < 0x40 && b >= 0x60) return 'B';
    return '?';
}

class MovieNodes : public testing::Test {
protected:
    void SetUp() override {
        ClearRecordedErrors();
        SetMovieMode(kMovieModeAviFile);
    }
    void TearDown() override {
        SetMovieMode(kMovieModeDirectShow);
        EXPECT_TRUE(RecordedErrors().empty());
    }

    // Runs the body with an open scene holding the movie node "M" at
    // (100, 50).
    template <class Body>
    void Run(const char* file, Body body) {
        RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            window_ = f.window;
            CSceneHost host;
            auto owned = std::make_unique<CScene>();
            CScene* scene = owned.get();
            host.AttachScene(std::move(owned));
            host.SetTransform(kIdentity);
            host_ = &host;
            node_ = new CMovieNode(0, 0, 1, MoviePath(file), 0);
            node_->SetPosition(100, 50);
            scene->GetRootNode()->AddChild("M", node_);
            node_->Reset();
            frame_ = [&] {
                host.BeginFrame();
                host.Update(17);
                host.SetTransform(kIdentity);
                host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            };
            backBuffer_ = f.device.GetBackBuffer();
            body();
        });
    }

    // What the back buffer shows inside the node after a frame.
    char Shown() {
        frame_();
        return ShadeOf(backBuffer_->GetPixel(180, 110));
    }

    HWND window_ = nullptr;
    CSceneHost* host_ = nullptr;
    CMovieNode* node_ = nullptr;
    CMemorySurface* backBuffer_ = nullptr;
    std::function<void()> frame_;
};

TEST_F(MovieNodes, FramesReachTheBackBufferAtTheNodesPlaceAndFollowTheMessages) {
    Run("video1_pcm16.avi", [&] {
        EXPECT_EQ(node_->GetNodeKind(), 1002);
        EXPECT_EQ(Shown(), 'R');
        EXPECT_EQ(ShadeOf(backBuffer_->GetPixel(99, 110)), '?');
        EXPECT_EQ(ShadeOf(backBuffer_->GetPixel(260, 110)), '?');
        EXPECT_EQ(ShadeOf(backBuffer_->GetPixel(100, 50)), 'R');
        EXPECT_EQ(ShadeOf(backBuffer_->GetPixel(259, 169)), 'R');
        Sleep(1300);
        EXPECT_EQ(Shown(), 'G');

        node_->Request("", "Pause");
        EXPECT_FALSE(node_->IsMoviePlaying());
        int paused = node_->GetMovie().GetPosition();
        Sleep(800);
        EXPECT_EQ(node_->GetMovie().GetPosition(), paused);
        EXPECT_EQ(Shown(), 'G');
        node_->Request("", "Replay");
        EXPECT_TRUE(node_->IsMoviePlaying());
        int resumed = node_->GetMovie().GetPosition();
        EXPECT_GE(resumed, paused);
        EXPECT_LT(resumed, paused + 200);

        node_->Request("", "Pause");
        node_->Request("", "Play");
        EXPECT_LT(node_->GetMovie().GetPosition(), 200);
        EXPECT_EQ(Shown(), 'R');

        node_->Request("", "Stop");
        EXPECT_FALSE(node_->GetMovie().IsPlaying());
    });
}

TEST_F(MovieNodes, DeactivationPausesAndActivationResumesUnlessPaused) {
    Run("silent.avi", [&] {
        Shown();
        Sleep(300);
        node_->Deactivate();
        int held = node_->GetMovie().GetPosition();
        Sleep(400);
        EXPECT_EQ(node_->GetMovie().GetPosition(), held);
        node_->Activate();
        Sleep(200);
        EXPECT_GE(node_->GetMovie().GetPosition(), held + 150);

        node_->Request("", "Pause");
        held = node_->GetMovie().GetPosition();
        node_->Deactivate();
        node_->Activate();
        Sleep(300);
        EXPECT_EQ(node_->GetMovie().GetPosition(), held);
    });
}

TEST_F(MovieNodes, TheMusicSettingsReachTheMovie) {
    CConfig& config = GetConfig();
    const bool playBgm = config.IsPlayBGM();
    const int32_t volume = config.GetBGMVolume();
    config.SetBGMVolume(-1500);
    Run("video1_pcm16.avi", [&] {
        EXPECT_EQ(node_->GetMovie().GetVolume(), playBgm ? -1500 : -10000);
        EXPECT_EQ(host_->HandleMessage(window_, kSettingChangedMessage, kSettingPlayBGM, 0), 0);
        EXPECT_EQ(node_->GetMovie().GetVolume(), -10000);
        host_->HandleMessage(window_, kSettingChangedMessage, kSettingPlayBGM, 1);
        EXPECT_EQ(node_->GetMovie().GetVolume(), -1500);
        host_->HandleMessage(window_, kSettingChangedMessage, kSettingBGMVolume, -2500);
        EXPECT_EQ(node_->GetMovie().GetVolume(), -2500);
        // A cleared node no longer listens.
        node_->Clear();
        EXPECT_FALSE(node_->GetMovie().IsPlaying());
        host_->HandleMessage(window_, kSettingChangedMessage, kSettingBGMVolume, -700);
        EXPECT_EQ(node_->GetMovie().GetVolume(), -2500);
    });
    config.SetBGMVolume(volume);
}

TEST_F(MovieNodes, AFrameThatDoesNotChangeIsNotRedrawn) {
    Run("silent.avi", [&] {
        frame_();
        EXPECT_FALSE(node_->GetDirtyFlag());
        frame_();
        EXPECT_FALSE(node_->GetDirtyFlag());
        Sleep(150);
        host_->BeginFrame();
        host_->Update(17);
        EXPECT_TRUE(node_->GetDirtyFlag());
    });
}

// Frames the node shows over the DirectShow player until the shade shows or
// the time is up; the shades seen on the way.
class DirectShowMovieNodes : public MovieNodes {
protected:
    void SetUp() override {
        MovieNodes::SetUp();
        SetMovieMode(kMovieModeDirectShow);
    }
    std::string ShownUntil(char wanted, DWORD limitMs) {
        std::string seen;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < limitMs) {
            char shade = Shown();
            if (seen.empty() || seen.back() != shade) seen += shade;
            if (shade == wanted) break;
            Sleep(15);
        }
        return seen;
    }
};

TEST_F(DirectShowMovieNodes, FramesReachTheBackBufferAndEveryFrameRedraws) {
    Run("video1_pcm16.avi", [&] {
        EXPECT_EQ(ShownUntil('R', 1500).back(), 'R');
        for (int i = 0; i < 3; ++i) {
            host_->BeginFrame();
            host_->Update(17);
            EXPECT_TRUE(node_->GetDirtyFlag());
            frame_();
        }
        std::string seen = ShownUntil('G', 2500);
        EXPECT_EQ(seen.back(), 'G') << seen;
        node_->Request("", "Pause");
        node_->Request("", "Replay");
        seen = ShownUntil('B', 2500);
        EXPECT_EQ(seen.back(), 'B') << seen;
        EXPECT_EQ(seen.find('R'), std::string::npos) << seen;
        node_->Request("", "Pause");
        node_->Request("", "Stop");
        node_->Request("", "Replay");
        EXPECT_FALSE(node_->GetMovie().IsPlaying());
        node_->Request("", "Play");
        EXPECT_EQ(ShownUntil('R', 1500).back(), 'R');
        node_->Clear();
        EXPECT_FALSE(node_->GetMovie().IsPlaying());
    });
}

}  // namespace
