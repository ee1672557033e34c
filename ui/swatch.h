// The colour swatch: an owner-drawn push button that shows one colour inside a
// sunken border. Being a button, it takes the focus with Tab, presses with Space
// as with a click, and is reported to screen readers as a button whose name is
// its window text.
#pragma once

#include <windows.h>

#include "color/color_value.h"

namespace lumivane {

// The colour a swatch holds before the settings are loaded: system colour 15,
// the button face, as a picture box starts.
inline constexpr ColorValue kSwatchStartColor = static_cast<ColorValue>(0x8000000Fu);

// The button styles of a swatch, besides WS_CHILD and WS_VISIBLE.
inline constexpr DWORD kSwatchStyle = BS_OWNERDRAW | WS_TABSTOP;

// The swatch's background colour, kept with the control itself.
ColorValue SwatchColor(HWND swatch);
void SetSwatchColor(HWND swatch, ColorValue color);

// Paints a swatch for its parent's WM_DRAWITEM: the colour over the whole
// inside, and a ring inside the border while the swatch has the keyboard focus
// and the keyboard cues are shown.
void DrawSwatch(const DRAWITEMSTRUCT& item);

// The screen colour of a ColorValue: system colour numbers (top byte 80) are
// looked up, any other value is taken as 00BBGGRR with its top byte ignored.
COLORREF ScreenColorOf(ColorValue color);

}  // namespace lumivane
