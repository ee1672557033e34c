#include "ui/form1.h"

#include <commdlg.h>
#include <windowsx.h>

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "chat/chat_bridge.h"
#include "fade/chat_line.h"
#include "settings/color_setting.h"
#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "settings/settings_path.h"
#include "settings/settings_save.h"
#include "ui/dpi.h"
#include "ui/form_layout.h"
#include "ui/label_button.h"
#include "ui/screen_reader_names.h"
#include "ui/settings_not_saved.h"
#include "ui/swatch.h"
#include "ui/taskbar_button.h"
#include "ui/window_routines.h"

namespace lumivane {
namespace {

constexpr ControlId kSwatches[3] = {kColor1, kColor2, kColor3};

// CommonDialog1: one colour dialog for the whole run. It remembers the colour
// confirmed last and the custom colours between uses.
COLORREF g_customColors[16];
CHOOSECOLORA g_commonDialog1 = {};

// The focus to give back when the window is activated again.
HWND g_lastFocus = nullptr;

// Frame2's own window procedure, which the drag handle wraps.
WNDPROC g_frameProc = nullptr;

HBRUSH g_backBrush = nullptr;
HFONT g_font = nullptr;  // the controls' font, made for the window's DPI

HWND Control(HWND form, ControlId id) { return GetDlgItem(form, id); }

std::u16string TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

void SetTextOf(HWND control, std::u16string_view text) {
    const std::u16string terminated(text);
    SetWindowTextW(control, reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

// Composes one line from the controls as they stand now and hands it to the room.
// The start-up and closing lines tell nobody when the system refuses them: no
// typed text is lost, a message box would hold up the start-up's pause or a
// closing program, and the user learns it with the first line typed. A line
// that cannot be made (a face too long for memory) is left out for the same
// reasons: the start-up or the close goes on without it.
void SendLineFromControls(HWND form, std::u16string_view body) {
    try {
        const ColorValue first = SwatchColor(Control(form, kColor1));
        const ColorValue second = SwatchColor(Control(form, kColor2));
        const ColorValue third = SwatchColor(Control(form, kColor3));
        const std::u16string face = TextOf(Control(form, kCombo1));
        SendChatLine(ComposeChatLine(first, second, third, face, body));
    } catch (const std::exception&) {
        return;  // left out, as above
    }
}

// Said when the system blocks a typed line on its way to the chat client.
void TellLineRefused(HWND form) {
    MessageBoxW(
        form,
        L"The chat room did not get your line: Windows blocked it, because the chat "
        L"client runs with higher rights than Lumivane (started as administrator, for example).\n\n"
        L"Start Lumivane with the same rights as the chat client: both as administrator, "
        L"or both normally. Your line is still in the text box.",
        L"Lumivane", MB_OK | MB_ICONWARNING);
}

// Said when the chat client does not answer in time: it hangs, or is busy.
void TellClientNotResponding(HWND form) {
    MessageBoxW(
        form,
        L"The chat client is not responding: Lumivane could not hand it your line.\n\n"
        L"Your line is still in the text box: press Enter again once the chat client responds.",
        L"Lumivane", MB_OK | MB_ICONWARNING);
}

// Said when the chat room's text box does not take the line (a line in many
// colours is many times longer than the text typed).
void TellLineNotTaken(HWND form) {
    MessageBoxW(
        form,
        L"The chat room did not take your line: its text box would not hold it. A line in many "
        L"colours is many times longer than what you typed; a shorter line may fit.\n\n"
        L"Your line is still in the text box.",
        L"Lumivane", MB_OK | MB_ICONWARNING);
}

// Said when a typed line is too long to be made into a chat line in memory.
void TellLineTooLong(HWND form) {
    MessageBoxW(form,
                L"Lumivane could not make a chat line of this text: it is too long.\n\n"
                L"Your line is still in the text box.",
                L"Lumivane", MB_OK | MB_ICONWARNING);
}

// Command1_Click reads the text before the face, so it composes on its own. A
// line that did not reach the room (the system refused it, the client did not
// answer, the room's text box did not take it) or one too long to be made stays
// in Text1, and the user is told once.
void Command1_Click(HWND form) {
    HWND text1 = Control(form, kText1);
    Delivery delivery = Delivery::Handled;
    try {
        const ColorValue first = SwatchColor(Control(form, kColor1));
        const ColorValue second = SwatchColor(Control(form, kColor2));
        const ColorValue third = SwatchColor(Control(form, kColor3));
        const std::u16string body = TextOf(text1);
        const std::u16string face = TextOf(Control(form, kCombo1));
        delivery = SendChatLine(ComposeChatLine(first, second, third, face, body));
    } catch (const std::exception&) {
        TellLineTooLong(form);
        return;
    }
    switch (delivery) {
    case Delivery::Refused: TellLineRefused(form); return;
    case Delivery::NotResponding: TellClientNotResponding(form); return;
    case Delivery::NotTaken: TellLineNotTaken(form); return;
    case Delivery::Handled:
    case Delivery::NoWindow: break;
    }
    SetTextOf(text1, u"");
}

// A confirmed colour goes to the swatch; a cancelled dialog leaves it as it was.
// Either way the focus goes back to the swatch, for a user at the keyboard.
void ColorN_Click(HWND form, ControlId swatch) {
    g_commonDialog1.lStructSize = sizeof g_commonDialog1;
    g_commonDialog1.hwndOwner = form;
    g_commonDialog1.lpCustColors = g_customColors;
    if (ChooseColorA(&g_commonDialog1)) {
        SetSwatchColor(Control(form, swatch), static_cast<ColorValue>(g_commonDialog1.rgbResult));
    }
    SetFocus(Control(form, swatch));
}

void Color1_Click(HWND form) { ColorN_Click(form, kColor1); }
void Color2_Click(HWND form) { ColorN_Click(form, kColor2); }
void Color3_Click(HWND form) { ColorN_Click(form, kColor3); }

// Any button starts the drag, which ends when that button is released; the
// shift state and position are not used.
void Frame2_MouseDown(HWND form, MouseButton button, int /*shift*/, int /*x*/, int /*y*/) {
    DragWindow(form, button);
}

// The focus goes back to the control that had it when the window is activated
// or restored again.
void RememberFocus(HWND form) {
    HWND focus = GetFocus();
    if (focus && IsChild(form, focus)) g_lastFocus = focus;
}

void PutFocusBack(HWND form) { SetFocus(g_lastFocus ? g_lastFocus : Control(form, kText1)); }

// Minimised as any other way minimises it: the window gets its taskbar button
// once it is minimised.
void Label1_Click(HWND form) {
    RememberFocus(form);
    ShowWindow(form, SW_MINIMIZE);
}

// Saves, says goodbye and ends the program; nothing runs after the last line,
// not even a handler that was waiting in a pause. A save the system refused, or
// one the file does not hold when read back, is told in one message before the
// end, once the goodbye is said. A face too long for memory is left out of the
// save without a message: the folder is not to blame, and the close goes on.
void Label2_Click(HWND form) {
    SettingsSave save;
    try {
        for (int k = 0; k < 3; ++k) {
            const ColorValue color = SwatchColor(Control(form, kSwatches[k]));
            save.Write(kColorKeys[k], ColorToSetting(color), SettingsFilePath());
        }
        save.Write(kFaceKey, TextOf(Control(form, kCombo1)), SettingsFilePath());
    } catch (const std::exception&) {
        // left out, as above
    }
    std::optional<SaveFailure> failure;
    try {
        failure = save.Check();
    } catch (const std::exception&) {
        // not known, so not told
    }
    SendLineFromControls(form, u"Lumivane");
    Pause(form, 1.0);
    SendLineFromControls(form, u"Closed...");
    if (failure) TellSettingsNotSaved(form, *failure);
    ExitProcess(0);
}

MouseButton MouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

int ShiftStateOf(WPARAM keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// Frame2 is a group box, which lets the mouse through to the window beneath; it
// takes the presses on its own surface here to serve as the drag handle. The
// second press of a double-click is a press like the first: the group box's
// own handling of it would take the keyboard focus.
LRESULT Frame2Events(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST: return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        Frame2_MouseDown(GetParent(frame), MouseButtonOf(message), ShiftStateOf(wParam),
                         GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default: return CallWindowProcW(g_frameProc, frame, message, wParam, lParam);
    }
}

// No exception crosses into the system's code, which calls the window
// procedures: a handler that fails (no memory) has done what it did before it
// failed, and the event counts as handled.
LRESULT CALLBACK Frame2Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Frame2Events(frame, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void OnCommand(HWND form, int id, HWND /*control*/, UINT code) {
    switch (id) {
    case kCommand1:
        if (code == BN_CLICKED) Command1_Click(form);
        break;
    case kColor1:
        if (code == BN_CLICKED) Color1_Click(form);
        break;
    case kColor2:
        if (code == BN_CLICKED) Color2_Click(form);
        break;
    case kColor3:
        if (code == BN_CLICKED) Color3_Click(form);
        break;
    case kLabel1:
        if (code == BN_CLICKED) Label1_Click(form);
        break;
    case kLabel2:
        if (code == BN_CLICKED) Label2_Click(form);
        break;
    default: break;
    }
}

// A high-contrast theme is on: every control then takes the system's colours,
// which the user chose to be able to read, in place of the designed ones.
bool HighContrastOn() {
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Text1, Combo1 and Combo1's list: light grey on the window-frame colour.
HBRUSH OnCtlColorEdit(HWND form, HDC dc, HWND control, int) {
    if (HighContrastOn()) return FORWARD_WM_CTLCOLOREDIT(form, dc, control, DefWindowProcW);
    SetTextColor(dc, ScreenColorOf(ControlSpecOf(kText1).textColor));
    SetBkColor(dc, GetSysColor(COLOR_WINDOWFRAME));
    return GetSysColorBrush(COLOR_WINDOWFRAME);
}

// Frames and labels paint on the window's grey; Label3 lets it show through.
HBRUSH OnCtlColorStatic(HWND form, HDC dc, HWND control, int) {
    if (HighContrastOn()) return FORWARD_WM_CTLCOLORSTATIC(form, dc, control, DefWindowProcW);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (GetDlgCtrlID(control) == kLabel3) {
        SetBkMode(dc, TRANSPARENT);
        return GetStockBrush(NULL_BRUSH);
    }
    SetBkColor(dc, ScreenColorOf(kFormBackColor));
    return g_backBrush;
}

// The swatches and the label buttons paint all of themselves; nothing is erased
// first.
HBRUSH OnCtlColorButton(HWND form, HDC dc, HWND control, int) {
    switch (GetDlgCtrlID(control)) {
    case kColor1:
    case kColor2:
    case kColor3:
    case kLabel1:
    case kLabel2: return GetStockBrush(NULL_BRUSH);
    default: return FORWARD_WM_CTLCOLORBTN(form, dc, control, DefWindowProcW);
    }
}

BOOL OnEraseBackground(HWND form, HDC dc) {
    RECT client;
    GetClientRect(form, &client);
    FillRect(dc, &client, HighContrastOn() ? GetSysColorBrush(COLOR_BTNFACE) : g_backBrush);
    return TRUE;
}

void OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    if (item->CtlType != ODT_BUTTON) return;
    switch (item->CtlID) {
    case kLabel1:
    case kLabel2: DrawLabelButton(*item); break;
    default: DrawSwatch(*item); break;
    }
}

// A theme or colour change (high contrast on or off) repaints every control.
void Repaint(HWND form) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
void OnSysColorChange(HWND form) { Repaint(form); }

bool HasExStyle(HWND form, DWORD exStyle) {
    return (GetWindowLongPtrW(form, GWL_EXSTYLE) & exStyle) != 0;
}

// Once the window is minimised, however that came about (" _", the minimise command,
// a shortcut that starts the program minimised, another program), it gets its
// taskbar button, titled with the program's name; once restored, it is the tool
// window again, with its empty caption. The change waits until the minimise or
// restore is over.
constexpr UINT kBecomeAppWindow = WM_APP + 2;
constexpr UINT kBecomeToolWindow = WM_APP + 1;

void OnBecomeAppWindow(HWND form) {
    if (!IsIconic(form) || !HasExStyle(form, WS_EX_TOOLWINDOW)) return;
    SetWindowTextW(form, kForm1Name);
    GiveTaskbarButton(form);
}

// The restore keeps the activation it came with (the taskbar's, say), and the
// keyboard goes back to the control that had it.
void OnBecomeToolWindow(HWND form) {
    if (IsIconic(form) || !HasExStyle(form, WS_EX_APPWINDOW)) return;
    TakeTaskbarButtonAway(form);
    SetWindowTextW(form, L"");
    HWND focus = GetFocus();
    if (GetActiveWindow() == form && !(focus && IsChild(form, focus))) PutFocusBack(form);
}

// The taskbar restores the window: the system's restore, which leaves it active.
void OnSysCommand(HWND form, UINT command, int x, int y) {
    const UINT kind = command & 0xFFF0;
    if (kind == SC_MINIMIZE && !IsIconic(form)) RememberFocus(form);
    const bool restoring = kind == SC_RESTORE && IsIconic(form);
    FORWARD_WM_SYSCOMMAND(form, command, x, y, DefWindowProcW);
    if (restoring) OnBecomeToolWindow(form);
}

void OnSize(HWND form, UINT state, int, int) {
    if (state == SIZE_MINIMIZED && HasExStyle(form, WS_EX_TOOLWINDOW)) {
        PostMessageW(form, kBecomeAppWindow, 0, 0);
    } else if (state != SIZE_MINIMIZED && HasExStyle(form, WS_EX_APPWINDOW)) {
        PostMessageW(form, kBecomeToolWindow, 0, 0);
    }
}

void OnActivate(HWND form, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE) {
        RememberFocus(form);
    } else if (!minimized) {
        PutFocusBack(form);
    }
}

void OnDestroy(HWND) { PostQuitMessage(0); }

constexpr DWORD kForm1Style = WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS;

SIZE Form1SizeAt(HWND form, int dpi) {
    const SIZE client = {PixelsAt(kClientWidthTwips, dpi), PixelsAt(kClientHeightTwips, dpi)};
    return WindowSizeFor(client, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)), dpi);
}

// Every control at its place from the layout table, in the font for `dpi`.
// Each edge is converted from twips on its own, so that edges which meet in
// the design meet on the screen at every DPI.
void LayOutControls(HWND form, int dpi) {
    HFONT font = CreateFormFont(dpi);
    for (const ControlSpec& row : kControls) {
        HWND control = Control(form, row.id);
        SetWindowFont(control, font, FALSE);
        const int left = ClientLeftTwips(row);
        const int top = ClientTopTwips(row);
        const int x = PixelsAt(left, dpi);
        const int y = PixelsAt(top, dpi);
        const int width = PixelsAt(left + row.width, dpi) - x;
        const int height = PixelsAt(top + row.height, dpi) - y;
        // A combo box's window is as high as its dropped-down list; the closed
        // box is as high as the table says, its edit field the height less the
        // box's 3-pixel border above and below.
        const int windowHeight =
            row.kind == ControlKind::ComboBox ? height + PixelsAt(3000, dpi) : height;
        SetWindowPos(control, nullptr, x, y, width, windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        if (row.kind == ControlKind::ComboBox) {
            SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
        }
    }
    if (g_font) DeleteObject(g_font);
    g_font = font;
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The window's outer size at a new DPI, for the system to suggest in
// WM_DPICHANGED: the client area of the design, not the old size scaled.
BOOL OnGetDpiScaledSize(HWND form, int dpi, SIZE* size) {
    *size = Form1SizeAt(form, dpi);
    return TRUE;
}

// Moved to a monitor of another DPI (or its scale changed): the controls again
// from the table, and the place and size the system suggests.
// A minimised window takes the rectangle as the one it is restored to: placed
// with SetWindowPos it would only move the minimised window.
void OnDpiChanged(HWND form, int dpi, const RECT* suggested) {
    if (IsIconic(form)) {
        SetRestoredRect(form, *suggested);
    } else {
        SetWindowPos(form, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LayOutControls(form, dpi);
}

LRESULT Form1Events(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(form, WM_COMMAND, OnCommand);
        HANDLE_MSG(form, WM_CTLCOLOREDIT, OnCtlColorEdit);
        HANDLE_MSG(form, WM_CTLCOLORLISTBOX, OnCtlColorEdit);
        HANDLE_MSG(form, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        HANDLE_MSG(form, WM_CTLCOLORBTN, OnCtlColorButton);
        HANDLE_MSG(form, WM_ERASEBKGND, OnEraseBackground);
        HANDLE_MSG(form, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(form, WM_SYSCOLORCHANGE, OnSysColorChange);
        HANDLE_MSG(form, WM_SYSCOMMAND, OnSysCommand);
        HANDLE_MSG(form, WM_SIZE, OnSize);
        HANDLE_MSG(form, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(form, WM_DESTROY, OnDestroy);
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED: Repaint(form); return 0;
    case kBecomeToolWindow: OnBecomeToolWindow(form); return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: EndPointerMove(form); return DefWindowProcW(form, message, wParam, lParam);
    case kBecomeAppWindow: OnBecomeAppWindow(form); return 0;
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(form, LOWORD(wParam), reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        OnDpiChanged(form, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    default: return DefWindowProcW(form, message, wParam, lParam);
    }
}

// As Frame2Proc: no exception leaves it.
LRESULT CALLBACK Form1Proc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Form1Events(form, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// One child window of the layout table; LayOutControls places it.
HWND CreateControl(HWND form, HINSTANCE instance, const ControlSpec& row) {
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    // A swatch is named for screen readers as the frame above it names it.
    std::u16string caption(row.caption);
    switch (row.kind) {
    case ControlKind::Frame:
        windowClass = L"BUTTON";
        style |= BS_GROUPBOX;
        break;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
        style |= SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX;  // one line, clipped
        break;
    case ControlKind::LabelButton:
        windowClass = L"BUTTON";
        style |= kLabelButtonStyle;
        break;
    case ControlKind::Swatch:
        windowClass = L"BUTTON";
        style |= kSwatchStyle;
        exStyle = WS_EX_CLIENTEDGE;
        caption = ControlSpecOf(static_cast<ControlId>(row.container)).caption;
        break;
    case ControlKind::TextBox:
        windowClass = L"EDIT";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ComboBox:
        windowClass = L"COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        break;
    case ControlKind::DefaultButton:
        // Not a tab stop: it lies outside the window, where the focus would
        // vanish. Enter still presses it, as the default button.
        windowClass = L"BUTTON";
        style |= BS_DEFPUSHBUTTON;
        break;
    }
    HWND control = CreateWindowExW(
        exStyle, windowClass, reinterpret_cast<const wchar_t*>(caption.c_str()), style, 0, 0, 0, 0,
        form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!control) return nullptr;
    if (row.kind == ControlKind::ComboBox) {
        SendMessageW(control, CB_LIMITTEXT, 0, 0);
        for (std::u16string_view face : kFontFaces) {
            const std::u16string item(face);
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    } else if (row.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    } else if (row.kind == ControlKind::Swatch) {
        SetSwatchColor(control, kSwatchStartColor);
    } else if (row.kind == ControlKind::LabelButton) {
        MakeLabelButton(control);
    } else if (row.id == kFrame2) {
        g_frameProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Frame2Proc)));
    }
    return control;
}

// The system places overlapped windows itself; for this captionless popup the
// first of its cascade places is taken: one caption height into the work area.
POINT DefaultPlacement() {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    return {work.left + step, work.top + step};
}

}  // namespace

HWND CreateForm1(HINSTANCE instance) {
    g_backBrush = CreateSolidBrush(ScreenColorOf(kFormBackColor));

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Form1Proc;
    windowClass.hInstance = instance;
    // The system takes the small icon from the same resource, in the size it needs.
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = g_backBrush;
    windowClass.lpszClassName = kForm1Class;
    if (!RegisterClassExW(&windowClass)) return nullptr;

    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    const int systemDpi = SystemDpi();
    const SIZE client = {PixelsAt(kClientWidthTwips, systemDpi),
                         PixelsAt(kClientHeightTwips, systemDpi)};
    const SIZE size = WindowSizeFor(client, kForm1Style, exStyle, systemDpi);
    const POINT at = DefaultPlacement();
    HWND form = CreateWindowExW(exStyle, kForm1Class, L"", kForm1Style, at.x, at.y, size.cx,
                                size.cy, nullptr, nullptr, instance, nullptr);
    if (!form) return nullptr;
    // The monitor the window landed on may have another scale than the system's.
    const int dpi = DpiOfWindow(form);
    if (dpi != systemDpi) {
        const SIZE scaled = Form1SizeAt(form, dpi);
        SetWindowPos(form, nullptr, 0, 0, scaled.cx, scaled.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (ControlId id : kStackingOrder) {
        if (!CreateControl(form, instance, ControlSpecOf(id))) {
            DestroyWindow(form);
            return nullptr;
        }
    }
    LayOutControls(form, dpi);
    NameForScreenReaders(form);
    // The focus is shown once the keyboard moves it (or at once for a user who
    // started the program from the keyboard), as in the system's dialogs.
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    return form;
}

void Form_Load(HWND form) {
    ShowWindow(form, SW_SHOWNORMAL);
    SetFocus(Control(form, kText1));
    UpdateWindow(form);
    KeepOnTop(form);
    for (int k = 0; k < 3; ++k) {
        const std::u16string stored =
            ReadIniValue(kSettingsSection, kColorKeys[k], SettingsFilePath());
        SetSwatchColor(Control(form, kSwatches[k]), ColorFromSetting(stored, kDefaultColors[k]));
    }
    SetTextOf(Control(form, kCombo1), ReadIniValue(kSettingsSection, kFaceKey, SettingsFilePath()));
    SendLineFromControls(form, u"Lumivane");
    Pause(form, 1.0);
    SendLineFromControls(form, u"Coded By: Brask");
}

int RunForm1(HWND form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchFormMessage(form, message);
    return static_cast<int>(message.wParam);
}

}  // namespace lumivane
