#include "color/color_text.h"

#include <cstdint>
#include <limits>

namespace lumivane {
namespace {

template <typename Char>
std::optional<ColorValue> ParseDecimal(std::basic_string_view<Char> text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == Char('+') || text[at] == Char('-')))
        negative = text[at++] == Char('-');
    if (at == text.size()) return std::nullopt;
    // The magnitude is gathered in 64 bits and stops as soon as it leaves the 32-bit
    // range, so any number of digits is safe.
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<ColorValue>::min())
                 : std::numeric_limits<ColorValue>::max();
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < Char('0') || text[at] > Char('9')) return std::nullopt;
        magnitude = magnitude * 10 + (text[at] - Char('0'));
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<ColorValue>(negative ? -magnitude : magnitude);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<ColorValue> ParseDecimalColor(std::string_view text) { return ParseDecimal(text); }

std::optional<ColorValue> ParseDecimalColor(std::u16string_view text) { return ParseDecimal(text); }

std::optional<std::uint8_t> ParseHexByte(std::string_view twoDigits) {
    if (twoDigits.size() != 2) return std::nullopt;
    const int high = HexDigitValue(twoDigits[0]), low = HexDigitValue(twoDigits[1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<std::uint8_t>(high * 16 + low);
}

std::optional<ColorValue> ParseHexColor(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    int channels[3];
    for (std::size_t k = 0; k < 3; ++k) {
        const std::optional<std::uint8_t> channel = ParseHexByte(text.substr(1 + 2 * k, 2));
        if (!channel) return std::nullopt;
        channels[k] = *channel;
    }
    // Red in the lowest byte, as the swatches hold it.
    return channels[0] + channels[1] * 256 + channels[2] * 65536;
}

std::optional<ColorValue> ParseColor(std::string_view text) {
    if (!text.empty() && text[0] == '#') return ParseHexColor(text);
    return ParseDecimalColor(text);
}

}  // namespace lumivane
