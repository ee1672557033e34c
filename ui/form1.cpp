#include "ui/form1.h"

#include <windowsx.h>
#include <commdlg.h>

#include <string>
#include <string_view>

#include "chat/chat_bridge.h"
#include "fade/chat_line.h"
#include "settings/color_setting.h"
#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "settings/settings_path.h"
#include "ui/form_layout.h"
#include "ui/swatch.h"
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
HFONT g_font = nullptr;

HWND Control(HWND form, ControlId id) { return GetDlgItem(form, id); }

std::u16string TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

void SetTextOf(HWND control, std::u16string_view text) {
    const std::u16string terminated(text);
    SetWindowTextW(control, reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

// Composes one line from the controls as they stand now and hands it to the room.
// The start-up and closing lines tell nobody when the system refuses them: no
// typed text is lost, a message box would hold up the start-up's pause or a
// closing program, and the user learns it with the first line typed.
void SendLineFromControls(HWND form, std::u16string_view body) {
    const ColorValue first = SwatchColor(Control(form, kColor1));
    const ColorValue second = SwatchColor(Control(form, kColor2));
    const ColorValue third = SwatchColor(Control(form, kColor3));
    const std::u16string face = TextOf(Control(form, kCombo1));
    SendChatLine(ComposeChatLine(first, second, third, face, body));
}

// Said when the system blocks a typed line on its way to the chat client.
void TellLineRefused(HWND form) {
    MessageBoxW(form,
                L"The chat room did not get your line: Windows blocked it, because the chat "
                L"client runs with higher rights than Lumivane (started as administrator, for example).\n\n"
                L"Start Lumivane with the same rights as the chat client: both as administrator, "
                L"or both normally. Your line is still in the text box.",
                L"Lumivane", MB_OK | MB_ICONWARNING);
}

// Command1_Click reads the text before the face, so it composes on its own. A
// line the system refused stays in Text1, to be sent again.
void Command1_Click(HWND form) {
    HWND text1 = Control(form, kText1);
    const ColorValue first = SwatchColor(Control(form, kColor1));
    const ColorValue second = SwatchColor(Control(form, kColor2));
    const ColorValue third = SwatchColor(Control(form, kColor3));
    const std::u16string body = TextOf(text1);
    const std::u16string face = TextOf(Control(form, kCombo1));
    if (SendChatLine(ComposeChatLine(first, second, third, face, body)) == Delivery::Refused) {
        TellLineRefused(form);
        return;
    }
    SetTextOf(text1, u"");
}

// A confirmed colour goes to the swatch; a cancelled dialog leaves it as it was.
void ColorN_Click(HWND form, ControlId swatch) {
    g_commonDialog1.lStructSize = sizeof g_commonDialog1;
    g_commonDialog1.hwndOwner = form;
    g_commonDialog1.lpCustColors = g_customColors;
    if (ChooseColorA(&g_commonDialog1)) {
        SetSwatchColor(Control(form, swatch), static_cast<ColorValue>(g_commonDialog1.rgbResult));
    }
}

void Color1_Click(HWND form) { ColorN_Click(form, kColor1); }
void Color2_Click(HWND form) { ColorN_Click(form, kColor2); }
void Color3_Click(HWND form) { ColorN_Click(form, kColor3); }

// Any button starts the drag; the button, shift state and position are not used.
void Frame2_MouseDown(HWND form, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    DragWindow(form);
}

void Label1_Click(HWND form) { ShowWindow(form, SW_MINIMIZE); }

// Saves, says goodbye and ends the program; nothing runs after the last line,
// not even a handler that was waiting in a pause.
void Label2_Click(HWND form) {
    for (int k = 0; k < 3; ++k) {
        WriteIniValue(kSettingsSection, kColorKeys[k],
                      ColorToSetting(SwatchColor(Control(form, kSwatches[k]))), SettingsFilePath());
    }
    WriteIniValue(kSettingsSection, kFaceKey, TextOf(Control(form, kCombo1)), SettingsFilePath());
    SendLineFromControls(form, u"Lumivane");
    Pause(form, 1.0);
    SendLineFromControls(form, u"Closed...");
    ExitProcess(0);
}

int MouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: return 1;
    case WM_RBUTTONDOWN: return 2;
    default: return 4;
    }
}

int ShiftStateOf(WPARAM keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// Frame2 is a group box, which lets the mouse through to the window beneath; it
// takes the presses on its own surface here to serve as the drag handle.
LRESULT CALLBACK Frame2Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Frame2_MouseDown(GetParent(frame), MouseButtonOf(message), ShiftStateOf(wParam),
                         GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        return CallWindowProcW(g_frameProc, frame, message, wParam, lParam);
    }
}

void OnCommand(HWND form, int id, HWND /*control*/, UINT code) {
    switch (id) {
    case kCommand1: if (code == BN_CLICKED) Command1_Click(form); break;
    case kColor1: if (code == BN_CLICKED) Color1_Click(form); break;
    case kColor2: if (code == BN_CLICKED) Color2_Click(form); break;
    case kColor3: if (code == BN_CLICKED) Color3_Click(form); break;
    case kLabel1: if (code == STN_CLICKED) Label1_Click(form); break;
    case kLabel2: if (code == STN_CLICKED) Label2_Click(form); break;
    default: break;
    }
}

// Text1, Combo1 and Combo1's list: light grey on the window-frame colour.
HBRUSH OnCtlColorEdit(HWND, HDC dc, HWND, int) {
    SetTextColor(dc, ScreenColorOf(ControlSpecOf(kText1).textColor));
    SetBkColor(dc, GetSysColor(COLOR_WINDOWFRAME));
    return GetSysColorBrush(COLOR_WINDOWFRAME);
}

// Frames and labels paint on the window's grey; Label3 lets it show through.
HBRUSH OnCtlColorStatic(HWND, HDC dc, HWND control, int) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (GetDlgCtrlID(control) == kLabel3) {
        SetBkMode(dc, TRANSPARENT);
        return GetStockBrush(NULL_BRUSH);
    }
    SetBkColor(dc, ScreenColorOf(kFormBackColor));
    return g_backBrush;
}

void OnActivate(HWND form, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(form, focus)) g_lastFocus = focus;
    } else if (!minimized) {
        SetFocus(g_lastFocus ? g_lastFocus : Control(form, kText1));
    }
}

void OnDestroy(HWND) { PostQuitMessage(0); }

LRESULT CALLBACK Form1Proc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(form, WM_COMMAND, OnCommand);
        HANDLE_MSG(form, WM_CTLCOLOREDIT, OnCtlColorEdit);
        HANDLE_MSG(form, WM_CTLCOLORLISTBOX, OnCtlColorEdit);
        HANDLE_MSG(form, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        HANDLE_MSG(form, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(form, WM_DESTROY, OnDestroy);
    default:
        return DefWindowProcW(form, message, wParam, lParam);
    }
}

struct Dpi {
    int x;
    int y;
};

Dpi SystemDpi() {
    HDC screen = GetDC(nullptr);
    const Dpi dpi = {GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

int PixelsX(int twips, Dpi dpi) { return MulDiv(twips, dpi.x, kTwipsPerInch); }
int PixelsY(int twips, Dpi dpi) { return MulDiv(twips, dpi.y, kTwipsPerInch); }

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return GetStockFont(DEFAULT_GUI_FONT);
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

// One child window of the layout table, at its place in client coordinates.
HWND CreateControl(HWND form, HINSTANCE instance, const ControlSpec& row, Dpi dpi) {
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    int extraHeight = 0;
    switch (row.kind) {
    case ControlKind::Frame:
        windowClass = L"BUTTON";
        style |= BS_GROUPBOX;
        break;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
        style |= SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX;  // one line, clipped
        break;
    case ControlKind::Swatch:
        windowClass = kSwatchClass;
        style |= WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::TextBox:
        windowClass = L"EDIT";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ComboBox:
        windowClass = L"COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        extraHeight = 200;  // the drop-down list; the closed box keeps the table's height
        break;
    case ControlKind::DefaultButton:
        windowClass = L"BUTTON";
        style |= WS_TABSTOP | BS_DEFPUSHBUTTON;
        break;
    }
    const std::u16string caption(row.caption);
    HWND control = CreateWindowExW(
        exStyle, windowClass, reinterpret_cast<const wchar_t*>(caption.c_str()), style,
        PixelsX(ClientLeftTwips(row), dpi), PixelsY(ClientTopTwips(row), dpi),
        PixelsX(row.width, dpi), PixelsY(row.height, dpi) + extraHeight, form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!control) return nullptr;
    SetWindowFont(control, g_font, FALSE);
    if (row.kind == ControlKind::ComboBox) {
        // The closed box is as high as the table says: the edit field is the
        // height less the box's 3-pixel border above and below.
        SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     PixelsY(row.height, dpi) - 6);
        SendMessageW(control, CB_LIMITTEXT, 0, 0);
        for (std::u16string_view face : kFontFaces) {
            const std::u16string item(face);
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    } else if (row.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    } else if (row.kind == ControlKind::Swatch) {
        SetSwatchColor(control, kSwatchStartColor);
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
    g_font = MessageFont();
    if (!RegisterSwatchClass(instance)) return nullptr;

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Form1Proc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = g_backBrush;
    windowClass.lpszClassName = kForm1Class;
    if (!RegisterClassExW(&windowClass)) return nullptr;

    const Dpi dpi = SystemDpi();
    const DWORD style = WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS;
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    RECT frame = {0, 0, PixelsX(kClientWidthTwips, dpi), PixelsY(kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const POINT at = DefaultPlacement();
    HWND form = CreateWindowExW(exStyle, kForm1Class, L"", style, at.x, at.y,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (!form) return nullptr;
    for (ControlId id : kStackingOrder) {
        if (!CreateControl(form, instance, ControlSpecOf(id), dpi)) {
            DestroyWindow(form);
            return nullptr;
        }
    }
    return form;
}

void Form_Load(HWND form) {
    ShowWindow(form, SW_SHOWNORMAL);
    SetFocus(Control(form, kText1));
    UpdateWindow(form);
    KeepOnTop(form);
    for (int k = 0; k < 3; ++k) {
        const std::u16string stored = ReadIniValue(kSettingsSection, kColorKeys[k], SettingsFilePath());
        SetSwatchColor(Control(form, kSwatches[k]), ColorFromSetting(stored, kDefaultColors[k]));
    }
    SetTextOf(Control(form, kCombo1), ReadIniValue(kSettingsSection, kFaceKey, SettingsFilePath()));
    SendLineFromControls(form, u"Lumivane");
    Pause(form, 1.0);
    SendLineFromControls(form, u"Coded By: Brask");
}

int RunForm1(HWND form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace lumivane
