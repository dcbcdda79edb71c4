// The demo's movies chapter played by the game program itself, the story
// archive holding the chapter alone and the movie a loose file beside the
// program: the movie's place on the screen shows its pictures' colours in
// order (lantern, coin, leaf); a click pauses it on the colour it shows,
// which stays past the length of a picture, and the next click plays it on
// to the last picture. The pictures show the same with the music setting on,
// off or lowered, and when the movie's sound starts late (a legal file: its
// sound stream's header delays it by 17 blocks); movie_sound_end_to_end.sh
// records each of these runs and judges the movie's sound. Played round
// after round, as the story loops it, the game keeps the threads and handles
// it had in the second round. No error box appears.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"
#include "media/avi_damage.h"
#include "support/process_counts.h"

namespace {

// The movie is 320 x 240 at (240, 160); its pictures are flat inside.
constexpr POINT kMovieCentre = {400, 280};
// MS Video 1 keeps five bits of each channel.
constexpr int kChannelTolerance = 12;
// Each picture shows for 1.5 s; a pause is held clearly longer.
constexpr DWORD kHeldMs = 2500;
// Rounds of the chapter after the first.
constexpr int kLaterRounds = 4;
// Long enough for a key to be taken and the movie to pause.
constexpr DWORD kKeyMs = 400;

enum class Shown { Lantern, Coin, Leaf, Other };

bool Near(Color32 colour, uint32_t expected) {
    for (int shift : {0, 8, 16}) {
        const int a = static_cast<int>(colour >> shift & 0xFF);
        const int b = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - b) > kChannelTolerance) return false;
    }
    return true;
}

Shown Classify(Color32 c) {
    if (Near(c, kDemoLantern)) return Shown::Lantern;
    if (Near(c, kDemoCoin)) return Shown::Coin;
    if (Near(c, kDemoLeaf)) return Shown::Leaf;
    return Shown::Other;
}

Shown Classify(const std::vector<Color32>& screen) { return Classify(PixelAt(screen, kMovieCentre)); }

// The music settings a run starts with, and the movie's sound delay.
struct MusicSettings {
    const char* name;
    bool play;
    int volume;
    uint32_t soundDelayBlocks;
};

const MusicSettings kMusicOn = {"On", true, 0, 0};
const MusicSettings kMusicOff = {"Off", false, 0, 0};
const MusicSettings kMusicLower = {"Lower", true, -2000, 0};
const MusicSettings kSoundLate = {"SoundLate", true, 0, 17};

class DemoMoviesProcessTest : public testing::Test {
protected:
    // The game started over the chapter with the music settings.
    void Start(const MusicSettings& music) {
        if (music.soundDelayBlocks) {
            Bytes movie = ReadBytes(GetProgramDirectory() + "Movie/Lanterns.avi");
            avi_damage::DelaySound(movie, music.soundDelayBlocks);
            game_.WriteLooseFile("Movie/Lanterns.avi", movie);
        } else {
            game_.CopyLooseFile("Movie/Lanterns.avi");
        }
        CConfig settings = CChapterGame::ChapterSettings();
        settings.SetPlayBGM(music.play);
        settings.SetBGMVolume(music.volume);
        window_ = game_.Start(settings);
        ASSERT_NE(window_, nullptr);
    }

    Shown Now() const { return Classify(ReadScreenOf(window_)); }

    bool WaitUntilShown(Shown shown) const {
        return WaitUntilScreen(window_, [&](const std::vector<Color32>& s) { return Classify(s) == shown; });
    }

    // Polls until the movie's place shows `next`; every poll before must
    // show `current`. Fails on anything else, with the colour seen, or on a
    // time-out.
    testing::AssertionResult GoesOnTo(Shown current, Shown next) const {
        Color32 seen = 0;
        const DWORD start = GetTickCount();
        const bool changed = WaitUntilScreen(window_, [&](const std::vector<Color32>& screen) {
            seen = PixelAt(screen, kMovieCentre);
            return Classify(seen) != current;
        });
        if (changed && Classify(seen) == next) return testing::AssertionSuccess();
        return testing::AssertionFailure() << (changed ? "went on to " : "still ") << std::hex << seen << std::dec
                                           << " after " << GetTickCount() - start << " ms";
    }

    void Click() const {
        PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kMovieCentre.x, kMovieCentre.y));
        PostMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(kMovieCentre.x, kMovieCentre.y));
    }

    CChapterGame game_{"movies"};
    HWND window_ = nullptr;
};

class DemoMovieMusicTest : public DemoMoviesProcessTest, public testing::WithParamInterface<MusicSettings> {};

TEST_P(DemoMovieMusicTest, ThePicturesShowInOrderAtTheMoviesPlace) {
    ASSERT_NO_FATAL_FAILURE(Start(GetParam()));
    ASSERT_TRUE(WaitUntilShown(Shown::Lantern));
    EXPECT_TRUE(GoesOnTo(Shown::Lantern, Shown::Coin));
    EXPECT_TRUE(GoesOnTo(Shown::Coin, Shown::Leaf));
    // The movie ends on its last picture, which stays.
    Sleep(1000);
    EXPECT_EQ(Now(), Shown::Leaf);
    EXPECT_FALSE(game_.ErrorBoxShown());
}

INSTANTIATE_TEST_SUITE_P(Music, DemoMovieMusicTest, testing::Values(kMusicOn, kMusicOff, kMusicLower, kSoundLate),
                         [](const testing::TestParamInfo<MusicSettings>& info) { return info.param.name; });

TEST_F(DemoMoviesProcessTest, AClickPausesAndTheNextPlaysOn) {
    ASSERT_NO_FATAL_FAILURE(Start(kMusicOn));
    ASSERT_TRUE(WaitUntilShown(Shown::Lantern));
    Click();
    Sleep(200);
    const Shown paused = Now();
    ASSERT_TRUE(paused == Shown::Lantern || paused == Shown::Coin) << static_cast<int>(paused);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kHeldMs) {
        ASSERT_EQ(Now(), paused) << "after " << GetTickCount() - start << " ms paused";
        Sleep(50);
    }
    Click();
    if (paused == Shown::Lantern) {
        EXPECT_TRUE(GoesOnTo(Shown::Lantern, Shown::Coin));
    }
    EXPECT_TRUE(GoesOnTo(Shown::Coin, Shown::Leaf));
    EXPECT_FALSE(game_.ErrorBoxShown());
}

// Each round: the movie starts on the lantern, a key pauses it, a key plays
// it on to the coin, a key ends the chapter and the story begins it again.
// The counts are taken while the movie is paused, one movie open each time.
// The story's first loop opens the new round's movie before the last round's
// goes, so from the second round on the game holds what two movies open at
// once need (the player's second kept filter graph), and no more.
TEST_F(DemoMoviesProcessTest, LaterRoundsKeepTheThreadsAndHandlesOfTheSecond) {
    ASSERT_NO_FATAL_FAILURE(Start(kMusicOn));
    ProcessCounts second;
    ProcessCounts last;
    for (int round = 0; round <= kLaterRounds; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(WaitUntilShown(Shown::Lantern));
        PressKey(window_, VK_RETURN);
        Sleep(kKeyMs);
        if (round == 1) {
            second = SettledCounts(game_.Process().Handle(), ProcessCounts());
        } else if (round == kLaterRounds) {
            last = SettledCounts(game_.Process().Handle(), second);
        }
        PressKey(window_, VK_RETURN);
        ASSERT_TRUE(WaitUntilShown(Shown::Coin));
        PressKey(window_, VK_RETURN);
    }
    std::printf("second round %d threads, %lu handles, %lu KiB; round %d %d threads, %lu handles, %lu KiB\n",
                second.threads, second.handles, static_cast<unsigned long>(second.privateBytes / 1024),
                kLaterRounds + 1, last.threads, last.handles, static_cast<unsigned long>(last.privateBytes / 1024));
    ASSERT_GT(second.threads, 0);
    EXPECT_LE(last.threads, second.threads);
    EXPECT_LE(last.handles, second.handles);
    EXPECT_FALSE(game_.ErrorBoxShown());
}

}  // namespace
