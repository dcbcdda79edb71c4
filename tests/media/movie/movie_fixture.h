// What the movie tests share: the generated movies, a DirectDraw object for
// the players' video surfaces, colour checks on frame pictures and the box
// checks.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "graphics/direct_draw.h"
#include "graphics/memory_surface.h"
#include "platform/error_report.h"
#include "support/error_recorder.h"

// The folder of the generated movies, ending in "/".
std::string MovieDir();
// A generated movie's full path.
std::string MoviePath(const std::string& name);

enum class Shade { Red, Green, Blue, Black, Other };
// What a picture shows at (x, y): which of the flat test colours, within the
// loss of the movie codecs.
Shade ShadeOf(Color32 pixel);
Shade ShadeAt(const CMemorySurface& surface, int x, int y);
const char* ShadeName(Shade shade);

class CMovieBase;
// Asks a playing movie for pictures until one shows the shade at
// its middle or the time is up; the first letters of the shades seen on the
// way, in order.
std::string PicturesUntil(CMovieBase& movie, Shade wanted, DWORD limitMs);

// Polls a playing position until it passes `ms`; false when it does not
// within a few seconds.
bool PositionPasses(const std::function<int()>& position, int ms);

// Runs the call, which must end in one box of this kind, module, place and
// code.
void ExpectMovieBox(const std::function<void()>& call, int module, int place, long code);

// A DirectDraw object at the normal cooperative level, and no box left over.
class MovieTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CDirectDrawHolder holder_;
};
