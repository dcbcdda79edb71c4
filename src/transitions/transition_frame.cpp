#include "transitions/transition_frame.h"

bool OpenTransitionFrame(const CMemorySurface* destination, const CMemorySurface* picture,
                         const TransitionSize* size, int level, int& width, int& height,
                         int highestLevel, EmptySize empty) {
    if (level < 0 || level > highestLevel) return false;
    return TransitionPictureSize(destination, picture, size, width, height, empty);
}

bool TransitionPictureSize(const CMemorySurface* destination, const CMemorySurface* picture,
                           const TransitionSize* size, int& width, int& height,
                           EmptySize empty) {
    if (!destination) return false;
    if (picture) {
        picture->GetSize(width, height);
    } else if (size) {
        width = size->width;
        height = size->height;
    } else {
        return false;
    }
    if (width < 0 || height < 0) return false;
    return empty == EmptySize::kReachesBorders || (width > 0 && height > 0);
}
