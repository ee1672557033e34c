// A colour as a person or the settings file writes it: the decimal text of a
// ColorValue, or #RRGGBB.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "color/color_value.h"

namespace lumivane {

// A signed 32-bit decimal: an optional sign (+ or -), then one or more digits 0-9,
// nothing else (no blanks, no fraction, no hexadecimal), within -2147483648 to
// 2147483647. Any number of leading zeros.
std::optional<ColorValue> ParseDecimalColor(std::string_view text);
std::optional<ColorValue> ParseDecimalColor(std::u16string_view text);

// Two hexadecimal digits of either case, the first the high one: "8f" is 143.
std::optional<std::uint8_t> ParseHexByte(std::string_view twoDigits);

// "#" and exactly six hexadecimal digits of either case, red first: #FF8000 is
// orange, the ColorValue 0x000080FF.
std::optional<ColorValue> ParseHexColor(std::string_view text);

// A colour as the command line takes it: #RRGGBB when the text starts with "#",
// a signed 32-bit decimal otherwise.
std::optional<ColorValue> ParseColor(std::string_view text);

}  // namespace lumivane
