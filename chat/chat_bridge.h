// The chat client bridge over the real window system, for the main window.
#pragma once

#include <string_view>

#include "chat/window_system.h"

namespace lumivane {

// The open chat room of the running client, or 0.
lumivane::WindowHandle FindChatRoom();

// Puts the line into the open chat room and sends it; tells what became of it.
Delivery SendChatLine(std::u16string_view text);

// Makes the bridge talk to `system` in place of Windows' own window system, so a
// test can run the window against a window tree it builds; null goes back to
// Windows. `system` must outlive its use.
void UseWindowSystem(WindowSystem* system);

}  // namespace lumivane
