#include "scene/effects/dna_painter.h"

#include <cmath>
#include <cstdlib>

#include "graphics/draw_image.h"
#include "scene/effects/effect_rules.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kCentreX = 400;
constexpr int kCentreY = 300;
constexpr int kBottom = 600;
constexpr int kPhaseStep = 16;
constexpr int kUnplaced = -10000;
constexpr int kGrowIn = 1000;
constexpr int kFlashFrom = 3000;
constexpr int kGlowFrom = 5000;
constexpr int kSpreadFrom = 8000;

const char* const kPictureNames[6] = {"EI/Red.bmp",    "EI/Green.bmp", "EI/Blue.bmp",
                                      "EI/Yellow.bmp", "EI/Ex.bmp",    "EI/Ex2.bmp"};

// Two beads per phase, strand 0 first, each with a drawn colour.
void AddStrandPairs(std::vector<DnaBead>& beads, int from, int to, int step) {
    for (int phase = from; step > 0 ? phase < to : phase > to; phase += step) {
        for (int strand = 0; strand < 2; ++strand) {
            beads.push_back({kUnplaced, kUnplaced, strand, phase, std::rand() % 4});
        }
    }
}

int Truncate(double value) { return static_cast<int>(value); }

}  // namespace

int CDnaPainter::StepLength(int t) {
    if (t < 1000) return 32;
    if (t < 2000) return Truncate(std::cos((t - 1000) * kPi / 2000) * 28 + 4);
    if (t < 8000) return 4;
    if (t < 11000) return Truncate(std::sin((t - 8000) * kPi / 6000) * 12 + 4);
    return 16;
}

void CDnaPainter::Load() {
    for (int i = 0; i < 6; ++i) LoadEffectPicture(pictures_[i], kPictureNames[i]);
    Clear();
    AddStrandPairs(helix_, 0, 10000, 500);
    AddStrandPairs(column_, -10000, -20000, -500);
}

void CDnaPainter::Clear() {
    helix_.clear();
    column_.clear();
    clock_ = 0;
    accumulator_ = 0;
}

void CDnaPainter::Update(int milliseconds) {
    clock_ += milliseconds;
    if (clock_ > kCycle) clock_ = 0;
    accumulator_ += milliseconds;
    const int length = StepLength(clock_);
    while (accumulator_ >= length) {
        accumulator_ -= length;
        StepBeads();
    }
}

void CDnaPainter::StepBeads() {
    const auto rise = [](DnaBead& bead) {
        bead.phase += kPhaseStep;
        // In 64 bits: the phase grows for as long as the effect runs.
        bead.y = static_cast<int32_t>(kBottom - static_cast<int64_t>(bead.phase) * 30 / 1000);
        if (bead.phase > 0 && bead.y < 0) bead.y = (bead.y % kBottom + kBottom) % kBottom;
    };
    const double turn = std::sin(clock_ * 2 * kPi / 7000);
    for (DnaBead& bead : helix_) {
        rise(bead);
        const int side = bead.strand == 0 ? 1 : -1;
        int x = Truncate(std::cos(bead.phase * 2 * kPi / 5000) * side * 100 + kCentreX);
        if (bead.y > 472) x += (x - kCentreX) * (bead.y - 472) * 2 / 128;
        bead.x = Truncate(turn * (x - kCentreX) + kCentreX);
    }
    for (DnaBead& bead : column_) {
        rise(bead);
        const int side = bead.strand == 0 ? 1 : -1;
        const int x = Truncate(std::cos(bead.phase * 2 * kPi / 10000) * side * 16 + kCentreX);
        bead.x = Truncate(std::cos(bead.y * kPi / 600) * std::sin(bead.y * kPi / 1200) *
                              (x - kCentreX) * 32 + kCentreX);
    }
}

void CDnaPainter::Spread(DnaBox& box) const {
    if (clock_ <= kSpreadFrom) return;
    const int u = clock_ - kSpreadFrom;
    const float k = 1.0f + u * 0.004f;
    box.left = Truncate(kCentreX + (box.left - kCentreX) * static_cast<double>(k));
    box.top = Truncate(kCentreY + (box.top - kCentreY) * static_cast<double>(k));
    box.width = Truncate(box.width * static_cast<double>(k));
    box.height = Truncate(box.height * static_cast<double>(k));
    box.opacity = 1.0 - u * 0.001;
}

DnaBox CDnaPainter::HelixBox(const DnaBead& bead) const {
    const int t = clock_;
    int width = 64;
    int height = 8;
    int picture = t > kGlowFrom ? kDnaGlow : bead.colour;
    if (t < kGrowIn) {
        width = t * 64 / 1000;
        height = t * 8 / 1000;
    } else if (t > kSpreadFrom) {
        const int u = t - kSpreadFrom;
        width = u * 64 / 4000 + 64;
        height = u * 8 / 4000 + 8;
    }
    if (bead.y > 400) {
        const double swell = std::sin((bead.y - 400) * kPi / 400);
        width = Truncate(swell * 128 + width);
        height = Truncate(swell * 32 + height);
    }
    const int beat = (t + 400) % 1300;
    if (t > kFlashFrom && beat > 0 && beat < 50) width *= 3;
    DnaBox box = {picture, bead.x - width / 2, bead.y - height / 2, width, height, 1.0};
    Spread(box);
    return box;
}

DnaBox CDnaPainter::ColumnBox(const DnaBead& bead) const {
    int size = bead.colour * 8;
    if (bead.y > 300) size = Truncate(size + std::sin((bead.y - 300) * kPi / 600) * 32);
    const int picture = clock_ < kGrowIn ? bead.colour : kDnaSpark;
    DnaBox box = {picture, bead.x - size / 2, bead.y - size / 2, size, size, 1.0};
    Spread(box);
    return box;
}

std::vector<DnaBox> CDnaPainter::GetBoxes() const {
    std::vector<DnaBox> boxes;
    for (const DnaBead& bead : helix_) boxes.push_back(HelixBox(bead));
    for (const DnaBead& bead : column_) boxes.push_back(ColumnBox(bead));
    return boxes;
}

void CDnaPainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    for (const DnaBox& box : GetBoxes()) {
        const CMemorySurface& picture = pictures_[box.picture];
        int width = 0;
        int height = 0;
        picture.GetSize(width, height);
        // A picture that did not load has no size to scale by.
        if (width <= 0 || height <= 0) continue;
        const CTransform2D own(box.left, box.top, box.opacity,
                               static_cast<double>(box.width) / width,
                               static_cast<double>(box.height) / height, 0.0);
        DrawEffectPicture(target, picture, placement, own, &DrawImageAdd, nullptr, clip);
    }
}
