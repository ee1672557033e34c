#include "ui/window_routines.h"

#include <chrono>
#include <cmath>

namespace lumivane {
namespace {

// A key with which the dialog manager moves the focus: Tab, or an arrow key in
// a control that does not take the arrows itself (as a text field does).
bool IsNavigationKey(MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const auto wants = [&](LRESULT code) {
        return (SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                             reinterpret_cast<LPARAM>(&message)) &
                code) != 0;
    };
    switch (message.wParam) {
    case VK_TAB: return !wants(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return !wants(DLGC_WANTARROWS | DLGC_WANTALLKEYS);
    default: return false;
    }
}

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

UINT ReleaseMessageOf(MouseButton button) {
    return button == MouseButton::Right ? WM_RBUTTONUP : WM_MBUTTONUP;
}

WPARAM HeldFlagOf(MouseButton button) {
    return button == MouseButton::Right ? MK_RBUTTON : MK_MBUTTON;
}

// The window that follows the pointer, while one does; cleared when its move
// must end though no message of the move says so (EndPointerMove).
HWND g_following = nullptr;

// Follows the pointer with `window` until `button` comes up (seen by its
// release, or by a pointer move without it), the capture is taken away or the
// move is ended (EndPointerMove), or Escape puts the window back where it was.
// Like the system's move loop, it keeps other messages flowing and swallows
// other input. The capture can go while the loop waits for a message (handling
// a message sent from elsewhere, or by the system's doing): the message that
// then arrives is no part of the move and is handled as any other.
void FollowPointer(HWND window, MouseButton button) {
    const DWORD pressedAt = GetMessagePos();  // where the button went down
    const POINT grabbed = {static_cast<short>(LOWORD(pressedAt)),
                           static_cast<short>(HIWORD(pressedAt))};
    RECT start;
    GetWindowRect(window, &start);
    SetCapture(window);
    g_following = window;
    const auto moving = [&] { return g_following == window && GetCapture() == window; };
    MSG message;
    while (moving()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            break;
        }
        if (!moving()) {
            DispatchFormMessage(window, message);
            break;
        }
        if (message.message == ReleaseMessageOf(button)) break;
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            SetWindowPos(window, nullptr, start.left, start.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        if (message.message == WM_MOUSEMOVE) {
            if (!(message.wParam & HeldFlagOf(button))) break;
            SetWindowPos(window, nullptr, start.left + message.pt.x - grabbed.x,
                         start.top + message.pt.y - grabbed.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        if (IsInput(message.message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (g_following == window) g_following = nullptr;
    if (GetCapture() == window) ReleaseCapture();
}

}  // namespace

void DispatchFormMessage(HWND form, MSG& message) {
    // The dialog manager of Windows shows the focus once the keyboard moves it;
    // said here as well for systems whose dialog manager does not.
    if (IsChild(form, message.hwnd) && IsNavigationKey(message)) {
        SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    if (!IsDialogMessageW(form, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void HandleWaitingEvents(HWND form) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) ExitProcess(static_cast<UINT>(message.wParam));
        DispatchFormMessage(form, message);
    }
}

void Pause(HWND form, double seconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (;;) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed >= seconds) return;
        // Sleep until a message arrives or the wait is over, rounding the rest up
        // so that the next look at the clock finds the wait complete.
        const double remainingMs = std::ceil((seconds - elapsed) * 1000.0);
        const DWORD timeout = remainingMs >= 4.0e9 ? INFINITE - 1 : static_cast<DWORD>(remainingMs);
        MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        HandleWaitingEvents(form);
    }
}

void KeepOnTop(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void EndPointerMove(HWND window) {
    if (g_following == window) g_following = nullptr;
}

void DragWindow(HWND window, MouseButton button) {
    ReleaseCapture();
    if (button == MouseButton::Left) {
        // The result is not used; the move ends when the button is released.
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    FollowPointer(window, button);
}

// A placement is in workspace coordinates, from the corner of the monitor's
// work area, unless the window is a tool window.
void SetRestoredRect(HWND window, const RECT& rect) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return;
    placement.rcNormalPosition = rect;
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
            OffsetRect(&placement.rcNormalPosition, monitor.rcMonitor.left - monitor.rcWork.left,
                       monitor.rcMonitor.top - monitor.rcWork.top);
        }
    }
    placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(window, &placement);
}

}  // namespace lumivane
