// The main window Form1: its creation from the layout table and its event
// handlers.
#pragma once

#include <windows.h>

namespace lumivane {

inline constexpr wchar_t kForm1Class[] = L"LumivaneForm1";

// Registers the window classes and creates Form1 with all its controls, hidden.
// Null if the window system refuses.
HWND CreateForm1(HINSTANCE instance);

// Runs once, right after the window is created: shows it, keeps it on top, loads
// the settings and sends the two announcement lines.
void Form_Load(HWND form);

// The window's event loop, until the window is gone. Returns the exit code.
int RunForm1(HWND form);

}  // namespace lumivane
