#include "fade/chat_line.h"

#include "gradient/blend.h"
#include "gradient/markup.h"

namespace lumivane {

std::u16string ComposeChatLine(ColorValue first, ColorValue second, ColorValue third,
                               std::u16string_view face, std::u16string_view body) {
    LineStyle style;  // the classic markup
    style.face = std::u16string(face);
    std::u16string line;
    AppendGradientLine(line, style, body, {first, second, third}, Blend::Legacy);
    return line;
}

}  // namespace lumivane
