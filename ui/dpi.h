// Dots per inch of the main window and the system calls that take them. The
// per-monitor calls exist from Windows 10 (1607) on; they are looked up while
// the program runs, so that it still starts on older Windows, where every
// monitor has the system's DPI.
#pragma once

#include <windows.h>

namespace lumivane {

// The DPI at which the program was started (the primary monitor's then).
int SystemDpi();

// The DPI of the monitor the window is on, as the system last told the window;
// the system DPI where the system does not tell.
int DpiOfWindow(HWND window);

// `twips` (1/1440 inch) in pixels at `dpi`.
int PixelsAt(int twips, int dpi);

// The outer size of a window with this style whose client area is `client`
// pixels, with its border as wide as the system draws it at `dpi`.
SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The message font's face (the one the system uses in its own dialogs) at 8
// points, regular, not italic, for `dpi`. The window was designed for a font of
// that size; the larger message font of current Windows does not fit its boxes.
HFONT CreateFormFont(int dpi);

}  // namespace lumivane
