// Small routines of the main window: waiting while events go on, staying on top,
// moving the window by its frame, and the place it is restored to.
#pragma once

#include <windows.h>

namespace lumivane {

// Handles every message waiting for this thread, the window's keyboard
// navigation included (Enter presses the default button of `form`). A quit
// message ends the program there: its window is gone.
void HandleWaitingEvents(HWND form);

// One message through the window's keyboard navigation (Tab, Enter, Space on a
// button), or to its window procedure. Navigation keys turn on the focus cues.
void DispatchFormMessage(HWND form, MSG& message);

// Returns once at least `seconds` have passed since the call (0 or less: at once,
// before any event is handled), handling the window's events meanwhile. Measured
// on a monotonic clock; sleeps until the next message or the end of the wait.
void Pause(HWND form, double seconds);

// Makes `window` top-most without moving or resizing it.
void KeepOnTop(HWND window);

// The mouse buttons that can start a move.
enum class MouseButton { Left, Right, Middle };

// Moves `window` with the pointer until `button` is released (or Escape puts it
// back). The left button hands the window to the system's move loop, as if its
// title bar had been pressed; that loop ends only on the left button's release,
// so the other buttons are followed here.
void DragWindow(HWND window, MouseButton button);

// Ends a move of `window` with the right or middle button, if one is going on;
// for its window procedure, when the window loses the capture
// (WM_CAPTURECHANGED) or the system cancels modes (WM_CANCELMODE). The next
// message is then handled as any other.
void EndPointerMove(HWND window);

// Makes `rect` (screen coordinates) the place and size a minimised `window` is
// restored to, leaving it minimised and inactive.
void SetRestoredRect(HWND window, const RECT& rect);

}  // namespace lumivane
