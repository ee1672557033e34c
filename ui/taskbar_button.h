// The main window's taskbar button. The window is a tool window, which has
// none (and no place in Alt+Tab); while it is minimised it has one, since
// nothing else on the screen would bring a minimised tool window back.
#pragma once

#include <windows.h>

namespace lumivane {

// A minimised window becomes an application window with a taskbar button. The
// taskbar takes note of the style when a window is shown, so the window is
// hidden for the change and shown minimised again, without activation.
void GiveTaskbarButton(HWND window);

// A restored window becomes the top-most tool window again, without a taskbar
// button, at the same place and size. It is not hidden for the change: hiding
// the active window would hand the activation (and the keyboard) to another
// program, which the foreground lock then keeps from coming back.
void TakeTaskbarButtonAway(HWND window);

}  // namespace lumivane
