// The chat line: a font-face tag followed by the faded text, the one form in which
// every line reaches the chat room.
#pragma once

#include <string>
#include <string_view>

#include "color/color_value.h"

namespace lumivane {

// "<font face=\"" + face + "\">" + ThreeColorFade(first, second, third, body).
// The face is copied unchanged and unescaped; nothing follows the body.
std::u16string ComposeChatLine(ColorValue first, ColorValue second, ColorValue third,
                               std::u16string_view face, std::u16string_view body);

}  // namespace lumivane
