// A colour as the window, the settings file and the engine carry it, and its channels.
#pragma once

#include <cstdint>

namespace lumivane {

// A colour as the Windows colour controls hold it: 0x00BBGGRR. Any 32-bit value
// is accepted; values with a non-zero top byte are split by digit position.
using ColorValue = std::int32_t;

// The swatch colours when nothing else gives one (first start, a damaged settings
// file, a command line without colours): pure red, pure green, pure blue.
inline constexpr ColorValue kDefaultColors[3] = {255, 65280, 16711680};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// Red, green and blue of a colour as the classic fade reads them from its hexadecimal
// text (ColorToHex, at least six digits): red from the last two digits, green from
// the third and fourth, blue from the first two. For a plain colour these are its
// three low bytes; a seven- or eight-digit value (top byte not zero, or negative)
// shifts green and blue to the digits that lead its text: 0x8000000F is red 15,
// green 0, blue 128. Computed from the bits, without the text.
constexpr Rgb SplitColorValue(ColorValue color) {
    const auto bits = static_cast<std::uint32_t>(color);
    // Where blue's two digits start: the text is six, seven or eight digits long.
    const unsigned blueShift = bits < 0x1000000u ? 16 : bits < 0x10000000u ? 20 : 24;
    return {static_cast<std::uint8_t>(bits & 0xFFu),
            static_cast<std::uint8_t>((bits >> (blueShift - 8)) & 0xFFu),
            static_cast<std::uint8_t>((bits >> blueShift) & 0xFFu)};
}

}  // namespace lumivane
