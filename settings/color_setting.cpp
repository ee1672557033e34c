#include "settings/color_setting.h"

#include <cstdint>

#include "color/color_text.h"

namespace lumivane {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

ColorValue ColorFromSetting(std::u16string_view text, ColorValue fallback) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return ParseDecimalColor(text.substr(begin, end - begin)).value_or(fallback);
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
