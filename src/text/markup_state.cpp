#include "text/markup_state.h"

bool MarkupFontState::operator==(const MarkupFontState& other) const {
    return size == other.size && color == other.color && shadowColor == other.shadowColor &&
           rimColor == other.rimColor && face == other.face && bold == other.bold && italic == other.italic &&
           strikeOut == other.strikeOut && underline == other.underline;
}

bool MarkupTypeState::operator==(const MarkupTypeState& other) const {
    return style == other.style && interval == other.interval && speed == other.speed && sound == other.sound;
}
