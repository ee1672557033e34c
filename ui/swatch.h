// The colour swatch: a focusable picture box that shows one colour with a sunken
// border and reports a click to its parent.
#pragma once

#include <windows.h>

#include "fade/color_codes.h"

namespace lumivane {

// The window class of every swatch; registered once by RegisterSwatchClass.
inline constexpr wchar_t kSwatchClass[] = L"LumivaneSwatch";

// The colour a swatch holds before the settings are loaded: system colour 15,
// the button face, as a picture box starts.
inline constexpr ColorValue kSwatchStartColor = static_cast<ColorValue>(0x8000000Fu);

bool RegisterSwatchClass(HINSTANCE instance);

// The swatch's background colour, kept in the window's extra bytes so that it is
// the control itself that holds it.
ColorValue SwatchColor(HWND swatch);
void SetSwatchColor(HWND swatch, ColorValue color);

// The screen colour of a ColorValue: system colour numbers (top byte 80) are
// looked up, any other value is taken as 00BBGGRR with its top byte ignored.
COLORREF ScreenColorOf(ColorValue color);

}  // namespace lumivane
