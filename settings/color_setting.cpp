#include "settings/color_setting.h"

#include <cstdint>
#include <limits>

namespace lumivane {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

ColorValue ColorFromSetting(std::u16string_view text, ColorValue fallback) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;

    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    if (begin == end) return fallback;

    // The magnitude is gathered in 64 bits and stops as soon as it leaves the
    // 32-bit range, so any number of digits is safe.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<ColorValue>::min())
                                        : std::numeric_limits<ColorValue>::max();
    std::int64_t magnitude = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!IsDigit(text[i])) return fallback;
        magnitude = magnitude * 10 + (text[i] - u'0');
        if (magnitude > limit) return fallback;
    }
    return static_cast<ColorValue>(negative ? -magnitude : magnitude);
}

std::u16string ColorToSetting(ColorValue color) {
    // Widened first, so the most negative value has a magnitude to print.
    std::int64_t value = color;
    const bool negative = value < 0;
    if (negative) value = -value;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    if (negative) digits.insert(digits.begin(), u'-');
    return digits;
}

}  // namespace lumivane
