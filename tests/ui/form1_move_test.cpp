// The window in the test's own process, moved with the right button, when the
// mouse capture goes in the middle of the move: the move ends there, and the
// message that comes next is handled as any other, so no key is swallowed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <iterator>
#include <string>
#include <thread>

#include "ui/form1.h"
#include "ui/form_layout.h"
#include "ui/window_routines.h"

namespace lumivane {
namespace {

constexpr UINT kTakeCapture = WM_APP + 40;
constexpr UINT kDropCapture = WM_APP + 41;

// A window of the test's thread that takes the capture away, or drops it, when
// another thread asks: as another window or the system does while the move
// waits for its next message.
HWND g_other = nullptr;

LRESULT CALLBACK OtherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTakeCapture) {
        SetCapture(window);
        return 0;
    }
    if (message == kDropCapture) {
        ReleaseCapture();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CaptureOf(DWORD thread) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndCapture;
}

std::wstring TextOf(HWND control) {
    wchar_t text[64] = {};
    GetWindowTextW(control, text, static_cast<int>(std::size(text)));
    return text;
}

struct LossRow {
    const char* what;
    void (*lose)(HWND form);  // run on another thread, while the move waits
};

const LossRow kLosses[] = {
    {"another window takes the capture", [](HWND) { SendMessageW(g_other, kTakeCapture, 0, 0); }},
    {"the capture is dropped", [](HWND) { SendMessageW(g_other, kDropCapture, 0, 0); }},
    {"the system cancels modes", [](HWND form) { SendMessageW(form, WM_CANCELMODE, 0, 0); }},
};

TEST(Form1Move, AMoveThatLosesTheCaptureEndsAndTheNextKeyReachesTheTextBox) {
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    ASSERT_NE(form, nullptr);
    WNDCLASSW otherClass = {};
    otherClass.lpfnWndProc = OtherProc;
    otherClass.lpszClassName = L"LumivaneTestOther";
    RegisterClassW(&otherClass);
    g_other = CreateWindowExW(0, otherClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 600, 500, 50,
                              50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(g_other, nullptr);
    ShowWindow(form, SW_SHOWNORMAL);
    SetForegroundWindow(form);
    HandleWaitingEvents(form);
    HWND text1 = GetDlgItem(form, kText1);
    const DWORD thread = GetCurrentThreadId();

    for (const LossRow& row : kLosses) {
        SCOPED_TRACE(row.what);
        SetWindowTextW(text1, L"");
        SetFocus(text1);
        RECT before;
        GetWindowRect(form, &before);
        std::atomic<bool> moved{false};
        std::thread elsewhere([&] {
            // Once the move holds the capture, it goes; then a key comes.
            for (int k = 0; k < 200 && CaptureOf(thread) != form; ++k) Sleep(10);
            row.lose(form);
            PostMessageW(text1, WM_CHAR, L'q', 1);
            // A move that did not end would still be waiting: the button's release ends it.
            for (int k = 0; k < 200 && !moved; ++k) Sleep(10);
            if (!moved) PostMessageW(form, WM_RBUTTONUP, 0, 0);
        });
        DragWindow(form, MouseButton::Right);
        moved = true;
        elsewhere.join();
        HandleWaitingEvents(form);
        EXPECT_EQ(TextOf(text1), L"q") << "the key after the loss reached the text box";
        EXPECT_NE(GetCapture(), form);
        RECT after;
        GetWindowRect(form, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
        ReleaseCapture();
    }
    DestroyWindow(g_other);
}

}  // namespace
}  // namespace lumivane
