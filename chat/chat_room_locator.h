// Finds the open chat room in the running chat client's window tree.
#pragma once

#include "chat/window_system.h"

namespace lumivane {

// The first document window of the client that has direct children of all four
// classes that mark a chat room, or 0. Keeps nothing between calls.
WindowHandle FindChatRoom(const WindowSystem& system);

}  // namespace lumivane
