// The labels " _" and "X" as push buttons: drawn exactly as the labels are,
// reached with Tab, pressed with Space or Enter as with a click, and reported to
// screen readers as buttons.
#pragma once

#include <windows.h>

namespace lumivane {

// The button styles of a label button, besides WS_CHILD and WS_VISIBLE.
inline constexpr DWORD kLabelButtonStyle = BS_OWNERDRAW | WS_TABSTOP;

// Makes the button act as a label button. A click presses it at once, as it
// pressed the label, and leaves the keyboard focus where it was; the second
// press of a double-click does nothing, as on the label. Enter presses the
// focused button rather than the window's default button; Space presses it as
// it presses any button. A press is BN_CLICKED to the parent.
void MakeLabelButton(HWND button);

// Paints a label button for its parent's WM_DRAWITEM: the label as a static
// control draws it, with the colours the parent gives labels, and a dotted
// focus rectangle around it while it has the focus and the keyboard cues are on.
void DrawLabelButton(const DRAWITEMSTRUCT& item);

}  // namespace lumivane
