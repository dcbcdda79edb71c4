#include "text/balloon/stroke_edges.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "graphics/mask_composite.h"
#include "text/balloon/gdi_objects.h"
#include "text/gdi_font.h"

namespace {

const double kPi = 3.141592653589793;

int Trunc(double value) { return static_cast<int>(value); }

// Places of the work surfaces' allocation errors.
enum StrokePlace {
    kUrchinPlace = 401,
    kUrchinFoldPlace = 402,
    kPopUrchinPlace = 411,
    kPeakedUrchinPlace = 421,
    kHuskyUrchinPlace = 431,
    kBurstPlace = 441,
    kGasPlace = 451,
};

// The common frame of the strokes: a cleared work surface at 2x (or 1x)
// the picture's size with the coverage pen selected, the half-axes a and b
// and the stroke count N = trunc((W + H) pi).
class CStrokeCanvas {
public:
    CStrokeCanvas(const CMemorySurface& picture, Color32 edge, int scale, int penWidth,
                  int place)
        : pen_(CreatePen(PS_SOLID, penWidth, CoverageColour(edge))) {
        picture.GetSize(width_, height_);
        a = width_ / 2;
        b = height_ / 2;
        count = Trunc((width_ + height_) * kPi);
        scale_ = scale;
        CreateWorkSurface(work_, width_ * scale, height_ * scale, place);
        penSelection_.reset(new CGdiSelection(work_.GetDC(), pen_.Get()));
    }

    int a = 0, b = 0, count = 0;

    double Angle(int i) const { return i * 2 * kPi / count; }

    // The stroke from relative radius r1 to r2 at angle t.
    void Stroke(double t, double r1, double r2) {
        MoveToEx(work_.GetDC(), Coordinate(r1 * std::cos(t), a), Coordinate(r1 * std::sin(t), b),
                 nullptr);
        LineTo(work_.GetDC(), Coordinate(r2 * std::cos(t), a), Coordinate(r2 * std::sin(t), b));
    }
    void Line(int x1, int y1, int x2, int y2) {
        MoveToEx(work_.GetDC(), x1, y1, nullptr);
        LineTo(work_.GetDC(), x2, y2);
    }
    HDC Dc() const { return work_.GetDC(); }

    // The finished coverage, GDI's queue flushed.
    const CMemorySurface& Mask() {
        GdiFlush();
        return work_;
    }

private:
    int Coordinate(double relative, int half) const {
        return Trunc((relative + 1) * half) * scale_;
    }

    CMemorySurface work_;
    CGdiObject pen_;
    std::unique_ptr<CGdiSelection> penSelection_;
    int width_ = 0, height_ = 0, scale_ = 2;
};

// The strokes of HuskyUrchin and Burst. Two phases p and q start at random
// and drift on from stroke to stroke by (rand() % modulus) * unit * scale
// each; the inner end follows a sine of q and the outer end a sine of p;
// when rand() % 5 is 0 the inner end is pulled in and when rand() %
// outerOdds is 0 the outer end pushed out, by (rand() % 10) * 0.01 each.
struct DriftingStrokes {
    int pModulus;
    double pUnit;
    int qModulus;
    double qUnit;
    double scale;
    double innerWaves, innerAmplitude, innerBase;
    double outerWaves, outerAmplitude, outerBase;
    int outerOdds;
};

void DrawDriftingStrokes(CStrokeCanvas& canvas, const DriftingStrokes& s) {
    double p = (std::rand() % 1000) * 0.006283185307179587;
    double q = (std::rand() % 1000) * 0.006283185307179587;
    for (int i = 0; i < canvas.count; ++i) {
        p += (std::rand() % s.pModulus) * s.pUnit * s.scale;
        q += (std::rand() % s.qModulus) * s.qUnit * s.scale;
        double inner = (std::rand() % 100) * std::sin(s.innerWaves * q) * s.innerAmplitude + s.innerBase;
        double outer = (std::rand() % 100) * std::sin(s.outerWaves * p) * s.outerAmplitude + s.outerBase;
        if (std::rand() % 5 == 0) inner -= (std::rand() % 10) * 0.01;
        if (std::rand() % s.outerOdds == 0) outer += (std::rand() % 10) * 0.01;
        canvas.Stroke(canvas.Angle(i), inner, outer);
    }
}

}  // namespace

void PaintUrchinEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 2, 1, kUrchinPlace);
    for (int i = 0; i < canvas.count; ++i) {
        double u = (std::rand() % 100) * 0.01;
        canvas.Stroke(canvas.Angle(i), 0.9 + 0.1 * u, 0.9 - 0.1 * u);
    }
    const CMemorySurface& mask = canvas.Mask();
    int width, height;
    picture.GetSize(width, height);
    CMemorySurface folded;
    CreateWorkSurface(folded, width, height, kUrchinFoldPlace);
    const Color32* src = mask.GetPixels();
    Color32* dest = folded.GetPixels();
    const int pitch = 2 * width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color32* block = src + 2 * y * pitch + 2 * x;
            dest[y * width + x] = ((block[0] + block[1] + block[pitch] + block[pitch + 1]) >> 2) & 0xFF;
        }
    }
    CompositeColorOverMask(picture, folded, edge);
}

void PaintPopUrchinEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 1, 4, kPopUrchinPlace);
    int width, height;
    picture.GetSize(width, height);
    const int count = Trunc((width + height) * 0.19634954084936207);
    const int a = canvas.a, b = canvas.b;
    for (int i = 0; i < count; ++i) {
        double t = i * 2 * kPi / count;
        canvas.Line(Trunc(0.8 * a * std::cos(t) + a), Trunc(0.8 * b * std::sin(t) + b),
                    Trunc(0.95 * a * std::cos(t) + a), Trunc(0.95 * b * std::sin(t) + b));
    }
    CompositeColorUnderMask(picture, canvas.Mask(), edge);
}

void PaintPeakedUrchinEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 2, 1, kPeakedUrchinPlace);
    for (int i = 0; i < canvas.count; ++i) {
        double t = canvas.Angle(i);
        double inner = (std::rand() % 100) * std::sin(48 * t) * 0.001 + 0.6;
        double outer = (std::rand() % 100) * std::sin(64 * t) * 0.002 + 0.8;
        canvas.Stroke(t, inner, outer);
    }
    CompositeColorOverMask2x(picture, canvas.Mask(), edge);
}

void PaintHuskyUrchinEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 2, 1, kHuskyUrchinPlace);
    DrawDriftingStrokes(canvas, {5000, 0.0012566370614359172, 2500, 0.0025132741228718345, 1.0,
                                 48, 0.001, 0.8, 64, 0.001, 0.9, 5});
    CompositeColorOverMask2x(picture, canvas.Mask(), edge);
}

// As HuskyUrchin with both phases drifting by up to one stroke's angle, a
// slower wave and a deeper inner ring.
void PaintBurstEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 2, 1, kBurstPlace);
    const double step = 2 * kPi / canvas.count;
    DrawDriftingStrokes(canvas, {100, step, 100, step, 0.01, 24, 0.001, 0.7, 32, 0.002, 0.8, 3});
    CompositeColorOverMask2x(picture, canvas.Mask(), edge);
}

void PaintGasEdge(CMemorySurface& picture, Color32 edge) {
    CStrokeCanvas canvas(picture, edge, 2, 1, kGasPlace);
    CGdiObject brush(CreateSolidBrush(CoverageColour(edge)));
    CGdiSelection brushSelection(canvas.Dc(), brush.Get());
    int width, height;
    picture.GetSize(width, height);
    const int count = Trunc((width + height) * 2 * kPi);
    const int a = canvas.a, b = canvas.b;
    for (int i = 0; i < count; ++i) {
        double t = i * 2 * kPi / count;
        double k = (std::rand() % 30 + 60) * 0.01;
        int cx = Trunc((std::cos(t) * k + 1) * a);
        int cy = Trunc((std::sin(t) * k + 1) * b);
        int d = Trunc((std::rand() % 6) * (k - 0.6) * 3.3333333333333335);
        Ellipse(canvas.Dc(), (cx - d) * 2, (cy - d) * 2, (cx + d) * 2, (cy + d) * 2);
    }
    CompositeColorOverMask2x(picture, canvas.Mask(), edge);
}
