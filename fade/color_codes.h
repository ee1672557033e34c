// Colour codes: how a colour travels through the fade engine as hexadecimal text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {

// A colour as the Windows colour controls hold it: 0x00BBGGRR. Any 32-bit value
// is accepted; values with a non-zero top byte are split by digit position.
using ColorValue = std::int32_t;

struct Components {
    int red;
    int green;
    int blue;
};

// The 32-bit pattern in upper-case hexadecimal, zero-padded on the left to at
// least six digits. Seven- and eight-digit texts are returned whole.
std::string ColorToHex(ColorValue color);

// Red from the last two digits, green from the third and fourth, blue from the
// first two. hexText must be what ColorToHex made (six to eight digits).
Components HexToComponents(std::string_view hexText);

}  // namespace lumivane
