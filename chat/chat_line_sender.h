// Hands one chat line to the open chat room of the running chat client.
#pragma once

#include <string_view>

#include "chat/window_system.h"

namespace lumivane {

// Locates the room afresh, replaces the content of its first "richcntl" control by
// `text` and types Enter into that control, which makes the client send the line.
// Tells what became of the line: Refused when the system blocked it (the client
// runs with higher rights), NotResponding when the client did not answer in time,
// NotTaken when the control did not take the text, NoWindow when no room took it
// (with no room open the line goes nowhere, as designed), Handled when the
// control took both messages. Enter follows only a text the control took or
// the system refused: typed into a control that lacks the line, it would send
// whatever the control held before.
Delivery SendChatLine(WindowSystem& system, std::u16string_view text);

}  // namespace lumivane
