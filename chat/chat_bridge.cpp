#include "chat/chat_bridge.h"

#include "chat/chat_line_sender.h"
#include "chat/chat_room_locator.h"
#include "chat/win32_window_system.h"

namespace lumivane {
namespace {

Win32WindowSystem g_windows;
WindowSystem* g_system = &g_windows;

}  // namespace

WindowHandle FindChatRoom() { return FindChatRoom(*g_system); }

Delivery SendChatLine(std::u16string_view text) { return SendChatLine(*g_system, text); }

void UseWindowSystem(WindowSystem* system) { g_system = system ? system : &g_windows; }

}  // namespace lumivane
