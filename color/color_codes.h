// A colour's hexadecimal text: how the classic fade writes a colour and reads its
// channels back.
#pragma once

#include <string>
#include <string_view>

#include "color/color_value.h"

namespace lumivane {

// The channels as HexToComponents reads them.
using Components = Rgb;

// The 32-bit pattern in upper-case hexadecimal, zero-padded on the left to at
// least six digits. Seven- and eight-digit texts are returned whole.
std::string ColorToHex(ColorValue color);

// Red from the last two digits, green from the third and fourth, blue from the
// first two. hexText must be what ColorToHex made (six to eight digits).
// HexToComponents(ColorToHex(c)) is SplitColorValue(c).
Components HexToComponents(std::string_view hexText);

}  // namespace lumivane
