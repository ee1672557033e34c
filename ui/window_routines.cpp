#include "ui/window_routines.h"

#include <chrono>
#include <cmath>

namespace lumivane {

void HandleWaitingEvents(HWND form) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) ExitProcess(static_cast<UINT>(message.wParam));
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
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

void DragWindow(HWND window) {
    ReleaseCapture();
    // The result is not used; the move ends when the button is released.
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace lumivane
