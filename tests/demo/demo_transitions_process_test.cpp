// The demo's transitions chapter played by the game program itself under
// the display: a copy of mirlwood.exe, a story that plays that chapter alone
// and the demo's menu and pictures in a temporary folder. Every kind comes
// in and goes out on a key; the screen is polled at fixed points clear of
// the menu layer all the while.
// - Effects on: at the wait after an "in" the points show the node; after
//   an "out" they show "Dawn" for the kinds that draw nothing fully
//   transitioned, and for the others two polls 200 ms apart agree, but for
//   the shaking kinds; most kinds that stay inside their picture show,
//   between their waits, some poll that matches neither end.
// - Effects off ("UserData/Config.ini"): every poll matches an end of its
//   transition, the kinds drawn whole at every level showing the node after
//   their "out" as well.
// No error box appears in either.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chapter_game.h"
#include "transition_probes.h"

namespace {

constexpr DWORD kShownMs = 10000;
// The chapter's effects take 400 ms; an accepted key has started one, and
// the next key wait has begun, well within this.
constexpr DWORD kEffectMs = 400;
constexpr DWORD kSettleMs = 400;
constexpr DWORD kSteadyMs = 200;
constexpr int kKeyTries = 5;

using Probes = std::vector<uint32_t>;

Probes ProbeScreen(HWND window) {
    const std::vector<Color32> shown = ReadScreenOf(window);
    Probes colours;
    for (POINT p : kTransitionProbes) colours.push_back(shown.empty() ? 0 : shown[p.y * 800 + p.x]);
    return colours;
}

std::string Describe(const Probes& colours) {
    std::string text;
    for (uint32_t c : colours) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X ", static_cast<unsigned>(c));
        text += hex;
    }
    return text;
}

int CountWords(const std::string& text) {
    int words = 0;
    for (char c : text) words += c == ' ';
    return words;
}

// One transition as a player sees it: what the screen showed at the key
// wait before, the colours it may show on the way, what it must show at the
// next wait (none: not known beforehand).
struct Step {
    Probes from;
    std::vector<Probes> ends;
    const Probes* to;
};

// What the polls of one step saw.
struct Seen {
    bool between = false;
    std::vector<Probes> strays;
};

class TransitionsProcessTest : public testing::Test {
protected:
    // Starts the game with effects on or off; the window in `window_`.
    void Start(bool useEffect) {
        CConfig settings = CChapterGame::ChapterSettings();
        settings.SetUseEffect(useEffect);
        window_ = game_.Start(settings);
        ASSERT_NE(window_, nullptr);
    }

    // Polls until the screen shows `colours`; false on a time-out.
    bool WaitUntilShown(const Probes& colours) const {
        const DWORD start = GetTickCount();
        while (ProbeScreen(window_) != colours) {
            if (GetTickCount() - start >= kShownMs) return false;
            Sleep(10);
        }
        return true;
    }

    // Presses Space at a key wait and polls through the effect it starts;
    // with a known end, until the screen shows it. A key taken before the
    // wait began is lost: when nothing changed where something should have,
    // the key is pressed again.
    bool Play(const Step& step, Seen* seen) const {
        for (int tries = 0; tries < kKeyTries; ++tries) {
            PressKey(window_, VK_SPACE);
            bool changed = false;
            // A state between the ends counts as shown once two polls in a
            // row saw it: a screen caught while the X server is still
            // writing a picture (its process paused under load) is seen once.
            Probes lastStray;
            const DWORD start = GetTickCount();
            while (GetTickCount() - start < kEffectMs + kSettleMs) {
                const Probes now = ProbeScreen(window_);
                changed = changed || now != step.from;
                bool atAnEnd = false;
                for (const Probes& end : step.ends) atAnEnd = atAnEnd || now == end;
                if (!atAnEnd) {
                    seen->between = true;
                    if (now == lastStray) seen->strays.push_back(now);
                    lastStray = now;
                } else {
                    lastStray.clear();
                }
                Sleep(5);
            }
            if (!step.to) return true;
            if (changed || *step.to == step.from) return WaitUntilShown(*step.to);
        }
        return false;
    }

    // The chapter from its first key wait to its last; `useEffect` as the
    // settings have it.
    void PlayChapter(bool useEffect) {
        const Probes dawn = Expected(Shown::Dawn);
        ASSERT_TRUE(WaitUntilShown(dawn)) << Describe(ProbeScreen(window_));
        Sleep(kSettleMs);
        Probes shown = dawn;
        int kinds = 0;
        // The kinds that stay inside their picture, and those of them with
        // no poll between their ends.
        int insideKinds = 0;
        std::string unseen;
        for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd(); ++kind, ++kinds) {
            SCOPED_TRACE(kind->name);
            const Probes in = Expected(kinds % 2 == 0 ? Shown::Dusk : Shown::Shade);
            Seen seenIn, seenOut;
            ASSERT_TRUE(Play({shown, {shown, dawn, in}, &in}, &seenIn))
                << "in: " << Describe(ProbeScreen(window_));
            if (useEffect) {
                const bool keepsDrawing = DrawsWhenFullyTransitioned(*kind);
                ASSERT_TRUE(Play({in, {in, dawn}, keepsDrawing ? nullptr : &dawn}, &seenOut))
                    << "out: " << Describe(ProbeScreen(window_));
                shown = ProbeScreen(window_);
                if (keepsDrawing) {
                    Sleep(kSteadyMs);
                    const Probes later = ProbeScreen(window_);
                    if (kind->randomMode != 2) {
                        EXPECT_EQ(Describe(later), Describe(shown)) << "steady after out";
                    }
                    shown = later;
                }
                if (!kind->drawsOutside && !kind->drawnWholeWithEffectsOff) {
                    ++insideKinds;
                    if (!seenIn.between && !seenOut.between) unseen += std::string(kind->name) + " ";
                }
            } else {
                const bool whole = kind->drawsOutside || kind->drawnWholeWithEffectsOff;
                const Probes& out = whole ? in : dawn;
                ASSERT_TRUE(Play({in, {in, out}, &out}, &seenOut)) << "out: " << Describe(ProbeScreen(window_));
                for (const Seen* seen : {&seenIn, &seenOut}) {
                    for (const Probes& stray : seen->strays) {
                        ADD_FAILURE() << "between the ends: " << Describe(stray);
                    }
                }
                shown = out;
            }
            ASSERT_FALSE(game_.ErrorBoxShown());
        }
        EXPECT_EQ(kinds, 74);
        // Polls are tens of milliseconds apart under load, so a kind whose
        // points change almost together can be missed; most cannot.
        if (useEffect) {
            EXPECT_LE(CountWords(unseen) * 2, insideKinds) << "no poll between the ends: " << unseen;
        }
    }

    CChapterGame game_{"transitions"};
    HWND window_ = nullptr;
};

TEST_F(TransitionsProcessTest, EveryKindInAndOutWithEffectsOn) {
    ASSERT_NO_FATAL_FAILURE(Start(true));
    PlayChapter(true);
}

TEST_F(TransitionsProcessTest, EveryPollAtAnEndWithEffectsOff) {
    ASSERT_NO_FATAL_FAILURE(Start(false));
    PlayChapter(false);
}

}  // namespace
