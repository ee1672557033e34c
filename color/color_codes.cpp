#include "color/color_codes.h"

#include <cstdint>

namespace lumivane {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

std::uint8_t TwoDigitValue(std::string_view hexText, std::size_t at) {
    return static_cast<std::uint8_t>(HexDigitValue(hexText[at]) * 16 +
                                     HexDigitValue(hexText[at + 1]));
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
