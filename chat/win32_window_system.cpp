#include "chat/win32_window_system.h"

#include <windows.h>

#include <climits>
#include <string>

namespace lumivane {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// The text in the system's 8-bit code page. Characters the code page cannot hold
// come out as the system converts them (its default character, usually '?').
std::string ToCodePage(std::u16string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindowA(const char* className) const {
    return ToHandle(::FindWindowA(className, nullptr));
}

WindowHandle Win32WindowSystem::FindWindowExA(WindowHandle parent, WindowHandle after,
                                              const char* className) const {
    return ToHandle(::FindWindowExA(ToHwnd(parent), ToHwnd(after), className, nullptr));
}

void Win32WindowSystem::SetText(WindowHandle window, std::u16string_view text) {
    const std::string narrow = ToCodePage(text);
    // The result is ignored: a window that is gone just does not get the line.
    SendMessageA(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(narrow.c_str()));
}

void Win32WindowSystem::SendChar(WindowHandle window, unsigned code) {
    SendMessageA(ToHwnd(window), WM_CHAR, code, 0);  // result ignored, as above
}

}  // namespace lumivane
