#pragma once
// The symbols on the buttons and the character on the icons, as geometry at their place in
// the picture.
#include "shape.h"

namespace picgen {

enum class Symbol {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Plus,
    Minus,
    Times,
    Divide,
    Backspace,
    LetterC,
    LettersCE,
    Equals,
    MinimiseBar,
    CloseCross,
};

// The symbol as drawn on a picture of the given width (the digit 0 sits on the wide key).
Shape symbol_shape(Symbol symbol, int picture_width);

// The character 计 on the icon; scale 1 for 32 x 32, 2 for 64 x 64.
Shape icon_character_shape(double scale);

} // namespace picgen
