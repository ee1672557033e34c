#include "chat/chat_line_sender.h"

#include "chat/chat_room_locator.h"

namespace lumivane {

namespace {
constexpr unsigned kCarriageReturn = 13;
}

// Neither handle is tested: the system refuses messages to the null handle, and a
// room that closes meanwhile just loses the line. Both messages are sent, so each
// returns only when the client has handled it, the text before the Enter.
void SendChatLine(WindowSystem& system, std::u16string_view text) {
    const WindowHandle room = FindChatRoom(system);
    const WindowHandle input = system.FindWindowExA(room, 0, "richcntl");
    system.SetText(input, text);
    system.SendChar(input, kCarriageReturn);
}

}  // namespace lumivane
