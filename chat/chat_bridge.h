// The chat client bridge over the real window system, for the main window.
#pragma once

#include <string_view>

#include "chat/window_system.h"

namespace lumivane {

// The open chat room of the running client, or 0.
lumivane::WindowHandle FindChatRoom();

// Puts the line into the open chat room and sends it; reports nothing.
void SendChatLine(std::u16string_view text);

}  // namespace lumivane
