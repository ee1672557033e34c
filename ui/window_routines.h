// Small routines of the main window: waiting while events go on, staying on top,
// and moving the window by its frame.
#pragma once

#include <windows.h>

namespace lumivane {

// Handles every message waiting for this thread, the window's keyboard
// navigation included (Enter presses the default button of `form`). A quit
// message ends the program there: its window is gone.
void HandleWaitingEvents(HWND form);

// Returns once at least `seconds` have passed since the call (0 or less: at once,
// before any event is handled), handling the window's events meanwhile. Measured
// on a monotonic clock; sleeps until the next message or the end of the wait.
void Pause(HWND form, double seconds);

// Makes `window` top-most without moving or resizing it.
void KeepOnTop(HWND window);

// Hands `window` to the window manager to be moved with the pointer, as if its
// title bar had been pressed.
void DragWindow(HWND window);

}  // namespace lumivane
