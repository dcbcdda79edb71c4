// Which pixels of a picture a transition draws, and how often: the common
// currency of the models, the expected images and the draw counts.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

class CCoverage {
public:
    CCoverage(int width, int height)
        : width_(width), height_(height), counts_(static_cast<size_t>(width) * height, 0) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int At(int i, int j) const { return counts_[static_cast<size_t>(j) * width_ + i]; }
    void Set(int i, int j, int count) { counts_[static_cast<size_t>(j) * width_ + i] = count; }
    bool Covers(int i, int j) const { return At(i, j) != 0; }

    // Marks the pixels of {left, top, right, bottom} cut to the picture.
    void Mark(int left, int top, int right, int bottom) {
        for (int j = std::max(top, 0); j < std::min(bottom, height_); ++j)
            for (int i = std::max(left, 0); i < std::min(right, width_); ++i) Set(i, j, 1);
    }
    // Columns [left, right) of row j.
    void MarkRow(int j, int left, int right) { Mark(left, j, right, j + 1); }

    int Total() const {
        int total = 0;
        for (int c : counts_) total += c;
        return total;
    }
    int Largest() const {
        return counts_.empty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
    }

    bool operator==(const CCoverage& other) const {
        return width_ == other.width_ && height_ == other.height_ && counts_ == other.counts_;
    }

private:
    int width_;
    int height_;
    std::vector<int> counts_;
};
