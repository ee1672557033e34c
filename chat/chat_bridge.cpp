#include "chat/chat_bridge.h"

#include "chat/chat_line_sender.h"
#include "chat/chat_room_locator.h"
#include "chat/win32_window_system.h"

namespace lumivane {

WindowHandle FindChatRoom() {
    Win32WindowSystem system;
    return FindChatRoom(system);
}

void SendChatLine(std::u16string_view text) {
    Win32WindowSystem system;
    SendChatLine(system, text);
}

}  // namespace lumivane
