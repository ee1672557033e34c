#include "ui/swatch.h"

#include <algorithm>

#include "ui/dpi.h"

namespace lumivane {
namespace {

// Black on light colours, white on dark ones, so the ring shows on any colour
// (the system's dotted rectangle is drawn by inverting and vanishes on mid-grey).
COLORREF RingColorOn(COLORREF fill) {
    const int luma = 299 * GetRValue(fill) + 587 * GetGValue(fill) + 114 * GetBValue(fill);
    return luma >= 128 * 1000 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

bool FocusCuesHidden(HWND swatch) {
    return (SendMessageW(swatch, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

}  // namespace

ColorValue SwatchColor(HWND swatch) {
    return static_cast<ColorValue>(GetWindowLongPtrW(swatch, GWLP_USERDATA));
}

void SetSwatchColor(HWND swatch, ColorValue color) {
    SetWindowLongPtrW(swatch, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    InvalidateRect(swatch, nullptr, FALSE);
}

void DrawSwatch(const DRAWITEMSTRUCT& item) {
    const COLORREF fill = ScreenColorOf(SwatchColor(item.hwndItem));
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (!focused || (item.itemState & ODS_NOFOCUSRECT) || FocusCuesHidden(item.hwndItem)) return;
    // One pixel at 96 dots per inch, as wide as the system's focus border elsewhere.
    const int width = (std::max)(1, DpiOfWindow(item.hwndItem) / 96);
    HBRUSH ring = CreateSolidBrush(RingColorOn(fill));
    RECT edge = item.rcItem;
    for (int k = 0; k < width && edge.right - edge.left > 0 && edge.bottom - edge.top > 0; ++k) {
        FrameRect(item.hDC, &edge, ring);
        InflateRect(&edge, -1, -1);
    }
    DeleteObject(ring);
}

COLORREF ScreenColorOf(ColorValue color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

}  // namespace lumivane
