// What screen readers call the window and the controls whose own text does not
// say what they are.
#pragma once

#include <windows.h>

namespace lumivane {

// The window's name, for screen readers and, while it is minimised, its title.
inline constexpr wchar_t kForm1Name[] = L"Lumivane";

// Names the window "Lumivane", Text1 "Text To Send To The Chat", Combo1 "Font
// Face / Font Style", Command1 "Send", and " _" and "X" "Minimize" and "Close",
// both push buttons, through the system's annotation of accessible properties,
// which leaves the window's look and layout alone. Where the system has no such
// service, the controls keep the names the system gives them.
void NameForScreenReaders(HWND form);

}  // namespace lumivane
