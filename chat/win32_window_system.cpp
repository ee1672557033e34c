#include "chat/win32_window_system.h"

#include <windows.h>

#include <string>

#include "codepage/code_page_text.h"

namespace lumivane {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Sends the message and tells what became of it. A handler's result of 0 is no
// failure in itself (WM_CHAR returns 0), so only the error the system sets tells:
// it blocks a message to a program of higher rights with ERROR_ACCESS_DENIED.
// The error is cleared first, as SendMessage sets it only when it fails.
Delivery SendMessageTo(WindowHandle window, UINT message, WPARAM wParam, LPARAM lParam) {
    SetLastError(ERROR_SUCCESS);
    if (SendMessageA(ToHwnd(window), message, wParam, lParam) != 0) return Delivery::Handled;
    switch (GetLastError()) {
    case ERROR_ACCESS_DENIED: return Delivery::Refused;
    case ERROR_INVALID_WINDOW_HANDLE: return Delivery::NoWindow;
    default: return Delivery::Handled;
    }
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindowA(const char* className) const {
    return ToHandle(::FindWindowA(className, nullptr));
}

WindowHandle Win32WindowSystem::FindWindowExA(WindowHandle parent, WindowHandle after,
                                              const char* className) const {
    return ToHandle(::FindWindowExA(ToHwnd(parent), ToHwnd(after), className, nullptr));
}

Delivery Win32WindowSystem::SetText(WindowHandle window, std::u16string_view text) {
    // In the system's 8-bit code page; characters it cannot hold come out as the
    // system converts them (its default character, usually '?').
    const std::string narrow = ToCodePage(text);
    return SendMessageTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(narrow.c_str()));
}

Delivery Win32WindowSystem::SendChar(WindowHandle window, unsigned code) {
    return SendMessageTo(window, WM_CHAR, code, 0);
}

}  // namespace lumivane
