// A swatch colour as it is kept in the settings file: its decimal text.
#pragma once

#include <string>
#include <string_view>

#include "fade/color_codes.h"

namespace lumivane {

// The swatch colours used when the settings file gives no usable colour (first
// start, damaged or hand-edited file): pure red, pure green, pure blue.
inline constexpr ColorValue kDefaultColors[3] = {255, 65280, 16711680};

// The colour written as `text`: a signed 32-bit decimal integer with an optional
// sign, blanks (spaces, tabs) allowed around it. Anything else - empty text, no
// number, a fraction, hexadecimal, a value out of range - gives `fallback`.
ColorValue ColorFromSetting(std::u16string_view text, ColorValue fallback);

// The colour's plain decimal text: a minus sign for negatives, no blanks, no
// leading zeros (pure red is "255").
std::u16string ColorToSetting(ColorValue color);

}  // namespace lumivane
