#include "ui/label_button.h"

#include <windowsx.h>

#include <string>

namespace lumivane {
namespace {

// The system's button procedure, which the label buttons wrap.
WNDPROC g_buttonProc = nullptr;

void Press(HWND button) {
    FORWARD_WM_COMMAND(GetParent(button), GetDlgCtrlID(button), button, BN_CLICKED, SendMessageW);
}

bool IsEnterDown(const MSG* message) {
    return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

LRESULT LabelButtonEvents(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: Press(button); return 0;
    case WM_LBUTTONDBLCLK: return 0;
    case WM_GETDLGCODE: {
        // The window's keyboard navigation would send Enter to the default button.
        const LRESULT code = CallWindowProcW(g_buttonProc, button, message, wParam, lParam);
        return IsEnterDown(reinterpret_cast<const MSG*>(lParam)) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        if (!(lParam & (1 << 30))) Press(button);  // not again while the key repeats
        return 0;
    default: break;
    }
    return CallWindowProcW(g_buttonProc, button, message, wParam, lParam);
}

// No exception crosses into the system's code: the press's handlers catch
// their own, and this only forwards.
LRESULT CALLBACK LabelButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return LabelButtonEvents(button, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

bool FocusCuesHidden(HWND control) {
    return (SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

}  // namespace

void MakeLabelButton(HWND button) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelButtonProc)));
    if (previous != LabelButtonProc) g_buttonProc = previous;
}

// As the static control paints a one-line label (SS_LEFTNOWORDWRAP, SS_NOPREFIX):
// its rectangle filled with the brush of the parent's WM_CTLCOLORSTATIC, in the
// colours that sets, the text from the top-left corner, tabs expanded.
void DrawLabelButton(const DRAWITEMSTRUCT& item) {
    HWND button = item.hwndItem;
    HWND parent = GetParent(button);
    HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    SelectFont(dc, GetWindowFont(button));
    SetBkMode(dc, OPAQUE);
    HBRUSH brush = FORWARD_WM_CTLCOLORSTATIC(parent, dc, button, SendMessageW);
    if (!brush) brush = FORWARD_WM_CTLCOLORSTATIC(parent, dc, button, DefWindowProcW);
    RECT rect = item.rcItem;
    FillRect(dc, &rect, brush);
    if (item.itemState & ODS_DISABLED) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(button)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(button, text.data(), static_cast<int>(text.size()))));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX);
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (focused && !(item.itemState & ODS_NOFOCUSRECT) && !FocusCuesHidden(button))
        DrawFocusRect(dc, &item.rcItem);
    RestoreDC(dc, saved);
}

}  // namespace lumivane
