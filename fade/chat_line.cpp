#include "fade/chat_line.h"

#include "fade/three_color_fade.h"

namespace lumivane {

std::u16string ComposeChatLine(ColorValue first, ColorValue second, ColorValue third,
                               std::u16string_view face, std::u16string_view body) {
    constexpr std::u16string_view kFaceOpening = u"<font face=\"";
    constexpr std::u16string_view kFaceClosing = u"\">";
    std::u16string line;
    // The face is held already, so its tag's length cannot wrap; the body's fade can.
    line.reserve(FadedLineLength(kFaceOpening.size() + face.size() + kFaceClosing.size(),
                                 body.size()));
    line.append(kFaceOpening).append(face).append(kFaceClosing);
    AppendThreeColorFade(line, first, second, third, body);
    return line;
}

}  // namespace lumivane
