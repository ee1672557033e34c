#include "chat/chat_line_sender.h"

#include "chat/chat_room_locator.h"

namespace lumivane {

namespace {

constexpr unsigned kCarriageReturn = 13;

// The line's fate from its two messages: refused if the system blocked either,
// lost if either went to no window, handed over otherwise.
Delivery Combined(Delivery text, Delivery enter) {
    if (text == Delivery::Refused || enter == Delivery::Refused) return Delivery::Refused;
    if (text == Delivery::NoWindow || enter == Delivery::NoWindow) return Delivery::NoWindow;
    return Delivery::Handled;
}

}  // namespace

// Neither handle is tested. With no room open the control is looked up with a
// null parent, which searches the top-level windows: a top-level window of the
// input class would take the line; without one the control handle is null and
// the system delivers neither message. A room that closes meanwhile loses the
// line. Both messages are always sent, each returning only when the client has
// handled it, the text before the Enter.
Delivery SendChatLine(WindowSystem& system, std::u16string_view text) {
    const WindowHandle room = FindChatRoom(system);
    const WindowHandle input = system.FindWindowExA(room, 0, "richcntl");
    const Delivery textDelivery = system.SetText(input, text);
    const Delivery enterDelivery = system.SendChar(input, kCarriageReturn);
    return Combined(textDelivery, enterDelivery);
}

}  // namespace lumivane
