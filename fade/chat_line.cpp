#include "fade/chat_line.h"

#include <new>
#include <stdexcept>

#include "gradient/request.h"

namespace lumivane {

std::u16string ComposeChatLine(ColorValue first, ColorValue second, ColorValue third,
                               std::u16string_view face, std::u16string_view body) {
    // The classic chat line: the legacy blend of three colours in the classic markup.
    LineRequest request;
    request.colors = std::vector<ColorValue>{first, second, third};
    request.blend = Blend::Legacy;
    request.face = std::u16string(face);
    std::u16string line;
    switch (MakeLine(request, body, line).error) {
    case RequestError::None: return line;
    case RequestError::OutOfMemory: throw std::bad_alloc();
    default: throw std::length_error("the chat line is too long to be held");
    }
}

}  // namespace lumivane
