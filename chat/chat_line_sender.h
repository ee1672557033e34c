// Hands one chat line to the open chat room of the running chat client.
#pragma once

#include <string_view>

#include "chat/window_system.h"

namespace lumivane {

// Locates the room afresh, replaces the content of its first "richcntl" control by
// `text` and types Enter into that control, which makes the client send the line.
// Reports nothing: with no room open the line goes nowhere.
void SendChatLine(WindowSystem& system, std::u16string_view text);

}  // namespace lumivane
