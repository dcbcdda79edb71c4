// Drawing the parts a random choice keeps. The choices of a stretch of
// places are made first and its parts drawn after: near the middle levels
// each choice is a coin toss, and a branch on it per part would be
// mispredicted half the time. The stretch's places are kept on the stack,
// since a routine allocates nothing. The choices are still made one per
// place, in order, and nothing a part draws makes one.
#pragma once

#include <algorithm>

// choose(place) for place = first, first + step, ... while place < end, and
// draw(place) for each that it answered true, in order.
template <class Choose, class Draw>
void DrawChosenParts(int first, int end, int step, Choose choose, Draw draw) {
    constexpr int kStretch = 256;
    int kept[kStretch];
    for (int place = first; place < end;) {
        int count = 0;
        for (; place < end && count < kStretch; place += step) {
            kept[count] = place;
            count += choose(place) ? 1 : 0;
        }
        for (int k = 0; k < count; ++k) draw(kept[k]);
    }
}
