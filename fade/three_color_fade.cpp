#include "fade/three_color_fade.h"

#include <limits>
#include <stdexcept>

#include "gradient/blend.h"
#include "gradient/markup.h"

namespace lumivane {

std::size_t FrontPartLength(std::size_t length) {
    return static_cast<std::size_t>(RoundHalfEven(static_cast<double>(length) / 2.0));
}

std::size_t FadedLineLength(std::size_t prefix, std::size_t textLength) {
    constexpr std::size_t kMost = std::numeric_limits<std::size_t>::max();
    if (textLength > (kMost - prefix) / kFadedCharLength)
        throw std::length_error("the faded text is too long to be held");
    return prefix + kFadedCharLength * textLength;
}

// The legacy blend of three colours is the classic fade: the same cut, the same
// ramps, one tag per code unit in the classic markup.
void AppendThreeColorFade(std::u16string& out, ColorValue first, ColorValue second,
                          ColorValue third, std::u16string_view text) {
    AppendGradientLine(out, LineStyle{}, text, {first, second, third}, Blend::Legacy);
}

std::u16string ThreeColorFade(ColorValue first, ColorValue second, ColorValue third,
                              std::u16string_view text) {
    std::u16string out;
    AppendThreeColorFade(out, first, second, third, text);
    return out;
}

}  // namespace lumivane
