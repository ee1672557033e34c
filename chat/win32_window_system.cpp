#include "chat/win32_window_system.h"

#include <windows.h>

#include <string>

#include "codepage/code_page_text.h"

namespace lumivane {
namespace {

// How long one message may keep the window waiting for the chat client's answer.
// A client that does not answer in time is taken as not responding; one that
// the system already knows to hang (no message taken for five seconds) is not
// waited for at all.
constexpr UINT kAnswerTimeoutMs = 2000;

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Sends the message, waiting a short time at most, and tells what became of it;
// `answer` gets the handler's result when it was handled. The error is cleared
// first, as the send sets it only when it fails. The text of WM_SETTEXT is
// copied into the client's process when it is sent, so a client that takes it
// late reads no freed memory.
Delivery SendMessageTo(WindowHandle window, UINT message, WPARAM wParam, LPARAM lParam,
                       DWORD_PTR& answer) {
    SetLastError(ERROR_SUCCESS);
    answer = 0;
    const bool handled =
        SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                            kAnswerTimeoutMs, &answer) != 0;
    const DWORD error = GetLastError();
    return DeliveryOfSend(handled, error, !handled && IsWindow(ToHwnd(window)));
}

// WM_SETTEXT's answer: TRUE when the text is set; FALSE from an edit control
// that cannot hold it, and the list and combo boxes' negative error codes.
bool TextTaken(DWORD_PTR answer) { return static_cast<LONG_PTR>(answer) > 0; }

}  // namespace

Delivery DeliveryOfSend(bool handled, unsigned long error, bool windowExists) {
    if (handled) return Delivery::Handled;
    if (error == ERROR_ACCESS_DENIED) return Delivery::Refused;
    if (error == ERROR_INVALID_WINDOW_HANDLE || !windowExists) return Delivery::NoWindow;
    return Delivery::NotResponding;
}

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
    DWORD_PTR answer = 0;
    const Delivery delivery =
        SendMessageTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(narrow.c_str()), answer);
    if (delivery == Delivery::Handled && !TextTaken(answer)) return Delivery::NotTaken;
    return delivery;
}

Delivery Win32WindowSystem::SendChar(WindowHandle window, unsigned code) {
    DWORD_PTR answer = 0;
    return SendMessageTo(window, WM_CHAR, code, 0, answer);
}

}  // namespace lumivane
