// The main window made in the test's own process, minimised and restored the
// ways the system and other programs do it: minimised it has a taskbar button
// titled "Lumivane", restored it is the top-most tool window again with its
// empty caption, active, with the keyboard where it was, and the restore never
// hides it (on Windows, hiding the active
// window hands the keyboard to another program for good).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/form1.h"
#include "ui/form_layout.h"
#include "ui/window_routines.h"

namespace lumivane {
namespace {

LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

std::wstring TitleOf(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    return title;
}

// Counts the times the watched window is hidden, by messages of this thread.
HWND g_watched = nullptr;
int g_hides = 0;

LRESULT CALLBACK WatchHides(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched) {
        const bool hidden =
            (call->message == WM_SHOWWINDOW && !call->wParam) ||
            (call->message == WM_WINDOWPOSCHANGING &&
             (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW));
        if (hidden) ++g_hides;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The focused control itself, or for the font box its edit field.
HWND FocusTarget(HWND form, ControlId id) {
    HWND control = GetDlgItem(form, id);
    if (id != kCombo1) return control;
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    GetComboBoxInfo(control, &combo);
    return combo.hwndItem;
}

enum class Minimise { TitleButton, SystemCommand, ShowWindowCall };

struct MinimiseRow {
    const char* what;
    Minimise how;
    ControlId focus;
};

const MinimiseRow kMinimises[] = {
    {"\" _\" with the focus in the text box", Minimise::TitleButton, kText1},
    {"\" _\" with the focus in the font box", Minimise::TitleButton, kCombo1},
    {"the system's minimise command, focus on the send button", Minimise::SystemCommand, kCommand1},
    {"the system's minimise command, focus on the second swatch", Minimise::SystemCommand, kColor2},
    {"another program's ShowWindow, focus in the font box", Minimise::ShowWindowCall, kCombo1},
    {"another program's ShowWindow, focus on the third swatch", Minimise::ShowWindowCall, kColor3},
};

void MinimiseBy(HWND form, Minimise how) {
    switch (how) {
    case Minimise::TitleButton:
        SendMessageW(form, WM_COMMAND, MAKEWPARAM(kLabel1, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(form, kLabel1)));
        break;
    case Minimise::SystemCommand: SendMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case Minimise::ShowWindowCall: ShowWindow(form, SW_MINIMIZE); break;
    }
}

TEST(Form1Minimise, EveryMinimiseGivesATaskbarButtonAndTheRestoreKeepsTheKeyboard) {
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    ASSERT_NE(form, nullptr);
    // Another program's window, which takes the activation if the window is hidden.
    HWND other =
        CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE | WS_BORDER, 700,
                        500, 120, 60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    ShowWindow(form, SW_SHOWNORMAL);
    KeepOnTop(form);
    HandleWaitingEvents(form);
    RECT before;
    GetWindowRect(form, &before);
    g_watched = form;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchHides, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);

    for (const MinimiseRow& row : kMinimises) {
        SCOPED_TRACE(row.what);
        SetForegroundWindow(form);
        HWND target = FocusTarget(form, row.focus);
        SetFocus(target);
        ASSERT_EQ(GetFocus(), target);

        MinimiseBy(form, row.how);
        HandleWaitingEvents(form);
        EXPECT_TRUE(IsIconic(form));
        EXPECT_TRUE(IsWindowVisible(form));
        EXPECT_NE(ExStyleOf(form) & WS_EX_APPWINDOW, 0);
        EXPECT_EQ(ExStyleOf(form) & WS_EX_TOOLWINDOW, 0);
        EXPECT_EQ(TitleOf(form), L"Lumivane") << "the taskbar button and Alt+Tab show a name";

        // The taskbar activates the window, then sends the restore command.
        SetForegroundWindow(form);
        g_hides = 0;
        SendMessageW(form, WM_SYSCOMMAND, SC_RESTORE, 0);
        HandleWaitingEvents(form);
        EXPECT_EQ(g_hides, 0) << "the restore hid the window";
        EXPECT_FALSE(IsIconic(form));
        EXPECT_TRUE(IsWindowVisible(form));
        EXPECT_EQ(GetForegroundWindow(), form);
        EXPECT_EQ(GetActiveWindow(), form);
        EXPECT_EQ(GetFocus(), target);
        EXPECT_NE(ExStyleOf(form) & WS_EX_TOOLWINDOW, 0);
        EXPECT_EQ(ExStyleOf(form) & WS_EX_APPWINDOW, 0);
        EXPECT_NE(ExStyleOf(form) & WS_EX_TOPMOST, 0);
        EXPECT_EQ(TitleOf(form), L"");
        RECT after;
        GetWindowRect(form, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
    UnhookWindowsHookEx(hook);
    DestroyWindow(other);
}

}  // namespace
}  // namespace lumivane
