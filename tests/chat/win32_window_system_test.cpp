// What the bridge learns from the real window system about a message it sends:
// taken, sent to no window, or refused.
#include "chat/win32_window_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace lumivane {
namespace {

WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// A window that answers every message with 0 and the error the system leaves
// when it blocks a message to a program of higher rights; under Wine, which has
// no such rights, this is how the refusal is seen.
LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_CHAR) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window that takes every message and answers 0, touching no error.
LRESULT CALLBACK QuietProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_CHAR) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

constexpr wchar_t kRefusingClass[] = L"LumivaneTestRefusing";
constexpr wchar_t kQuietClass[] = L"LumivaneTestQuiet";

HWND MakeOfClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = proc;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    return CreateWindowExW(0, name, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

HWND MakeEdit() {
    return CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

HWND MakeRefusing() { return MakeOfClass(kRefusingClass, RefusingProc); }

HWND MakeQuiet() { return MakeOfClass(kQuietClass, QuietProc); }

HWND MakeClosed() {
    HWND window = MakeEdit();
    DestroyWindow(window);
    return window;
}

enum class Send { Text, Char };

struct DeliveryRow {
    const char* what;
    HWND (*make)();  // null: the null handle
    Send send;
    DWORD errorBefore;  // left over from an earlier call of the thread
    Delivery expected;
};

const DeliveryRow kRows[] = {
    {"text into an edit control", MakeEdit, Send::Text, ERROR_SUCCESS, Delivery::Handled},
    // WM_CHAR is answered with 0: that alone is no failure.
    {"Enter into an edit control", MakeEdit, Send::Char, ERROR_SUCCESS, Delivery::Handled},
    // An error left from before is not taken for this message's.
    {"Enter after an old refusal", MakeEdit, Send::Char, ERROR_ACCESS_DENIED, Delivery::Handled},
    {"text after an old bad handle", MakeEdit, Send::Text, ERROR_INVALID_WINDOW_HANDLE, Delivery::Handled},
    {"Enter answered with 0 after an old refusal", MakeQuiet, Send::Char, ERROR_ACCESS_DENIED, Delivery::Handled},
    {"text answered with 0 after an old bad handle", MakeQuiet, Send::Text, ERROR_INVALID_WINDOW_HANDLE,
     Delivery::Handled},
    {"text to the null handle", nullptr, Send::Text, ERROR_SUCCESS, Delivery::NoWindow},
    {"Enter to the null handle", nullptr, Send::Char, ERROR_ACCESS_DENIED, Delivery::NoWindow},
    {"text to a closed window", MakeClosed, Send::Text, ERROR_SUCCESS, Delivery::NoWindow},
    {"text refused", MakeRefusing, Send::Text, ERROR_SUCCESS, Delivery::Refused},
    {"Enter refused", MakeRefusing, Send::Char, ERROR_SUCCESS, Delivery::Refused},
};

TEST(Win32WindowSystem, TellsWhetherAMessageWasTakenLostOrRefused) {
    Win32WindowSystem system;
    for (const DeliveryRow& row : kRows) {
        SCOPED_TRACE(row.what);
        HWND window = row.make ? row.make() : nullptr;
        if (row.make) {
            ASSERT_NE(window, nullptr);
        }
        SetLastError(row.errorBefore);
        const Delivery delivery = row.send == Send::Text ? system.SetText(ToHandle(window), u"line")
                                                         : system.SendChar(ToHandle(window), 13);
        EXPECT_EQ(delivery, row.expected);
        if (IsWindow(window)) DestroyWindow(window);
    }
}

TEST(Win32WindowSystem, TextArrivesInTheCodePage) {
    Win32WindowSystem system;
    HWND edit = MakeEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(system.SetText(ToHandle(edit), u"Caf\u00e9 <b>"), Delivery::Handled);
    char text[64] = {};
    GetWindowTextA(edit, text, static_cast<int>(std::size(text)));
    EXPECT_STREQ(text, "Caf\xE9 <b>");
    DestroyWindow(edit);
}

}  // namespace
}  // namespace lumivane
