#include "movie_fixture.h"

#include "media/movie/movie_base.h"

std::string MovieDir() { return MIRL_MOVIE_DIR; }

std::string MoviePath(const std::string& name) { return MovieDir() + name; }

Shade ShadeOf(Color32 pixel) {
    int r = (pixel >> 16) & 0xFF;
    int g = (pixel >> 8) & 0xFF;
    int b = pixel & 0xFF;
    auto high = [](int v) { return v >= 0x60; };
    auto low = [](int v) { return v < 0x40; };
    if (high(r) && low(g) && low(b)) return Shade::Red;
    if (low(r) && high(g) && low(b)) return Shade::Green;
    if (low(r) && low(g) && high(b)) return Shade::Blue;
    if (low(r) && low(g) && low(b)) return Shade::Black;
    return Shade::Other;
}

Shade ShadeAt(const CMemorySurface& surface, int x, int y) { return ShadeOf(surface.GetPixel(x, y)); }

const char* ShadeName(Shade shade) {
    switch (shade) {
        case Shade::Red: return "red";
        case Shade::Green: return "green";
        case Shade::Blue: return "blue";
        case Shade::Black: return "black";
        default: return "other";
    }
}

std::string PicturesUntil(CMovieBase& movie, Shade wanted, DWORD limitMs) {
    std::string seen;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        movie.UpdateFrame();
        Sleep(20);
        CMemorySurface* frame = movie.GetFrameSurface();
        if (!frame) break;
        Shade shade = ShadeAt(*frame, 80, 60);
        char letter = ShadeName(shade)[0];
        if (seen.empty() || seen.back() != letter) seen += letter;
        if (shade == wanted) break;
    }
    return seen;
}

bool PositionPasses(const std::function<int()>& position, int ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        if (position() > ms) return true;
        Sleep(10);
    }
    return false;
}

void ExpectMovieBox(const std::function<void()>& call, int module, int place, long code) {
    ClearRecordedErrors();
    EXPECT_THROW(call(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    const ErrorBox& box = RecordedErrors()[0];
    EXPECT_EQ(box.kind, ErrorKind::Movie);
    EXPECT_EQ(box.module, module);
    EXPECT_EQ(box.place, place);
    EXPECT_TRUE(box.hasCode);
    EXPECT_EQ(box.code, code);
    ClearRecordedErrors();
}

void MovieTest::SetUp() {
    ClearRecordedErrors();
    ASSERT_EQ(GetDirectDraw()->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
}

void MovieTest::TearDown() {
    for (const ErrorBox& box : RecordedErrors()) ADD_FAILURE() << "box " << box.module << "-" << box.place;
}
