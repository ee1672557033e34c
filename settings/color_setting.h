// A swatch colour as it is kept in the settings file: its decimal text.
#pragma once

#include <string>
#include <string_view>

#include "color/color_value.h"

namespace lumivane {

// The colour written as `text`: a signed 32-bit decimal integer with an optional
// sign (ParseDecimalColor), blanks (spaces, tabs) allowed around it. Anything else -
// empty text, no number, a fraction, hexadecimal, a value out of range - gives
// `fallback`, at start-up one of kDefaultColors.
ColorValue ColorFromSetting(std::u16string_view text, ColorValue fallback);

// The colour's plain decimal text: a minus sign for negatives, no blanks, no
// leading zeros (pure red is "255").
std::u16string ColorToSetting(ColorValue color);

}  // namespace lumivane
