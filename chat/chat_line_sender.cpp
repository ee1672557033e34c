#include "chat/chat_line_sender.h"

#include <initializer_list>

#include "chat/chat_room_locator.h"

namespace lumivane {

namespace {

constexpr unsigned kCarriageReturn = 13;

// The line's fate from its two messages: refused if the system blocked either,
// not responding if the client left either unanswered, lost if either went to
// no window, handed over otherwise.
Delivery Combined(Delivery text, Delivery enter) {
    for (Delivery fate : {Delivery::Refused, Delivery::NotResponding, Delivery::NoWindow}) {
        if (text == fate || enter == fate) return fate;
    }
    return Delivery::Handled;
}

}  // namespace

// Neither handle is tested. With no room open the control is looked up with a
// null parent, which searches the top-level windows: a top-level window of the
// input class would take the line; without one the control handle is null and
// the system delivers neither message. A room that closes meanwhile loses the
// line. The text goes first; the Enter follows unless the client did not answer
// or the control did not take the text. Each message waits for the client's
// answer a short time at most.
Delivery SendChatLine(WindowSystem& system, std::u16string_view text) {
    const WindowHandle room = FindChatRoom(system);
    const WindowHandle input = system.FindWindowExA(room, 0, "richcntl");
    const Delivery textDelivery = system.SetText(input, text);
    if (textDelivery == Delivery::NotResponding || textDelivery == Delivery::NotTaken)
        return textDelivery;
    const Delivery enterDelivery = system.SendChar(input, kCarriageReturn);
    return Combined(textDelivery, enterDelivery);
}

}  // namespace lumivane
