#include "ui/swatch.h"

#include <windowsx.h>

namespace lumivane {
namespace {

constexpr int kColorOffset = 0;  // the colour, in the window's extra bytes

// A click is a left press and a release both on the swatch, as a push button
// counts one; the press also takes the keyboard focus.
LRESULT CALLBACK SwatchProc(HWND swatch, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(swatch);
        SetCapture(swatch);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == swatch) {
            ReleaseCapture();
            RECT client;
            GetClientRect(swatch, &client);
            const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (PtInRect(&client, at)) {
                SendMessageW(GetParent(swatch), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(swatch), BN_CLICKED),
                             reinterpret_cast<LPARAM>(swatch));
            }
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(swatch, &paint);
        RECT client;
        GetClientRect(swatch, &client);
        HBRUSH brush = CreateSolidBrush(ScreenColorOf(SwatchColor(swatch)));
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(swatch, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(swatch, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterSwatchClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = SwatchProc;
    windowClass.cbWndExtra = sizeof(LONG);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kSwatchClass;
    return RegisterClassExW(&windowClass) != 0;
}

ColorValue SwatchColor(HWND swatch) {
    return static_cast<ColorValue>(GetWindowLongW(swatch, kColorOffset));
}

void SetSwatchColor(HWND swatch, ColorValue color) {
    SetWindowLongW(swatch, kColorOffset, static_cast<LONG>(color));
    InvalidateRect(swatch, nullptr, FALSE);
}

COLORREF ScreenColorOf(ColorValue color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

}  // namespace lumivane
