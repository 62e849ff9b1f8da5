// The display's size from the set's `DigitsD`, shared by the window (pixels)
// and the console (one cell per digit) so that both give the calculator the
// same room for digits.
#pragma once

#include "values/value_context.h"

namespace tavrik {

// `DigitsD` within the range the settings dialog offers, 1 … 9 raised to
// 10; 0 means the display is a strip across the window.
int DisplayDigits(int digitsD);

// The width of the display text: room for the digits and two more, or 0 for
// the strip, whose width the arrangement decides.
int DisplayTextWidth(int digitsD, int digitWidth);

// What the value texts need from the display as it stands, `textWidth` wide.
// Hexadecimal words take 16 digits when more than 18 digits fit: a display
// of more than 18 digits, or a strip wide enough for them.
DisplayGeometry DisplayGeometryOf(int digitsD, int textWidth, int digitWidth);

}  // namespace tavrik
