#include "color/color_codes.h"

#include <cstdint>

#include "color/color_text.h"

namespace lumivane {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Reads what ColorToHex wrote, so the digits are always there.
std::uint8_t TwoDigitValue(std::string_view hexText, std::size_t at) {
    return ParseHexByte(hexText.substr(at, 2)).value_or(0);
}

}  // namespace

std::string ColorToHex(ColorValue color) {
    auto bits = static_cast<std::uint32_t>(color);
    std::string digits;
    do {
        digits.insert(digits.begin(), kHexDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    // One prefix, chosen by the count of digits written: short values are padded
    // to six, longer ones are left as they are.
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    return digits;
}

Components HexToComponents(std::string_view hexText) {
    if (hexText.size() < 6) return {0, 0, 0};
    return {TwoDigitValue(hexText, hexText.size() - 2), TwoDigitValue(hexText, 2),
            TwoDigitValue(hexText, 0)};
}

}  // namespace lumivane
