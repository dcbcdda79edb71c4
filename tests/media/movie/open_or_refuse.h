// What the damage and fuzz tests ask of both players: a file either ends in
// one box of the player's module or opens and plays a moment.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <vfwmsgs.h>

#include <string>

#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "movie_fixture.h"
#include "platform/error_report.h"
#include "support/error_recorder.h"

// The place of the one box the open raised, or 0 when it opened.
template <typename Movie>
int OpenPlace(Movie& movie, const std::string& path, int module) {
    ClearRecordedErrors();
    try {
        EXPECT_EQ(movie.Open(path.c_str()), 0);
        EXPECT_TRUE(RecordedErrors().empty());
        return 0;
    } catch (const CInternalError&) {
        EXPECT_EQ(RecordedErrors().size(), 1u);
        const int place = RecordedErrors().empty() ? -1 : RecordedErrors()[0].place;
        if (!RecordedErrors().empty()) {
            EXPECT_EQ(RecordedErrors()[0].module, module);
        }
        ClearRecordedErrors();
        return place;
    }
}

// Plays an opened movie for playMs and draws its frame; a box of the
// player's module may end it.
template <typename Movie>
void PlayAMoment(Movie& movie, int module, DWORD playMs) {
    ClearRecordedErrors();
    try {
        movie.Play();
        Sleep(playMs);
        movie.UpdateFrame();
        movie.GetFrameSurface();
        movie.Stop();
    } catch (const CInternalError&) {
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].module, module);
    }
    ClearRecordedErrors();
}

// The file through the AVIFile player (module 1003), then the DirectShow
// player (1005): each refuses it in its box or opens it and plays a moment.
inline void OpenOrRefuseWithBothPlayers(const std::string& path, DWORD playMs) {
    {
        CAviFileMovie movie;
        if (OpenPlace(movie, path, 1003) == 0) PlayAMoment(movie, 1003, playMs);
    }
    {
        CDirectShowMovie movie;
        if (OpenPlace(movie, path, 1005) == 0) PlayAMoment(movie, 1005, playMs);
    }
}

// Both players refuse the file at open with their damaged-file boxes.
inline void ExpectBothPlayersRefuse(const std::string& path) {
    {
        CAviFileMovie movie;
        ExpectMovieBox([&] { movie.Open(path.c_str()); }, 1003, 90, AVIERR_BADFORMAT);
    }
    {
        CDirectShowMovie movie;
        ExpectMovieBox([&] { movie.Open(path.c_str()); }, 1005, 99, VFW_E_INVALID_FILE_FORMAT);
    }
}
