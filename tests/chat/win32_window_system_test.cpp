// What the bridge learns from the real window system about a message it sends:
// taken, not taken, sent to no window, refused, or left unanswered by a client
// that hangs.
#include "chat/win32_window_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <thread>

namespace lumivane {
namespace {

WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// A window that takes every message and answers 0, touching no error.
LRESULT CALLBACK QuietProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_CHAR) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

constexpr wchar_t kQuietClass[] = L"LumivaneTestQuiet";

HWND MakeOfClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = proc;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    return CreateWindowExW(0, name, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

HWND MakeEdit() {
    return CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
}

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
    {"text after an old bad handle", MakeEdit, Send::Text, ERROR_INVALID_WINDOW_HANDLE,
     Delivery::Handled},
    {"Enter answered with 0 after an old refusal", MakeQuiet, Send::Char, ERROR_ACCESS_DENIED,
     Delivery::Handled},
    // WM_SETTEXT answered with FALSE: the control did not take the text.
    {"text answered with 0 after an old bad handle", MakeQuiet, Send::Text,
     ERROR_INVALID_WINDOW_HANDLE, Delivery::NotTaken},
    {"text to the null handle", nullptr, Send::Text, ERROR_SUCCESS, Delivery::NoWindow},
    {"Enter to the null handle", nullptr, Send::Char, ERROR_ACCESS_DENIED, Delivery::NoWindow},
    {"text to a closed window", MakeClosed, Send::Text, ERROR_SUCCESS, Delivery::NoWindow},
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

// A window whose thread takes no message until it is let go: the chat client
// hangs. Its procedure answers without reading the text, which a late
// handling after the sender's wait must not touch.
class HungWindow {
public:
    HungWindow() : thread_([this] { Run(); }) { WaitForSingleObject(ready_, INFINITE); }
    ~HungWindow() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(ready_);
        CloseHandle(release_);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SETTEXT || message == WM_CHAR) return TRUE;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void Run() {
        window_ = MakeOfClass(L"LumivaneTestHung", Proc);
        SetEvent(ready_);
        WaitForSingleObject(release_, INFINITE);  // takes no message meanwhile
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        DestroyWindow(window_);
    }
    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window_ = nullptr;
    std::thread thread_;
};

// Neither message waits for a hung client for good: each comes back as not
// responding, and the sender goes on.
TEST(Win32WindowSystem, AClientThatHangsLeavesBothMessagesUnanswered) {
    Win32WindowSystem system;
    HungWindow hung;
    ASSERT_NE(hung.Window(), nullptr);
    EXPECT_EQ(system.SetText(ToHandle(hung.Window()), u"line"), Delivery::NotResponding);
    EXPECT_EQ(system.SendChar(ToHandle(hung.Window()), 13), Delivery::NotResponding);
}

// A send that failed, by the error the system left. The system's refusal of a
// message to a program of higher rights cannot be made under Wine, which has no
// such rights; its error is the one Windows documents for it.
TEST(Win32WindowSystem, AFailedSendIsToldByItsError) {
    struct Row {
        const char* what;
        bool handled;
        unsigned long error;
        bool windowExists;
        Delivery expected;
    };
    const Row rows[] = {
        {"handled", true, ERROR_SUCCESS, true, Delivery::Handled},
        {"blocked: the client has higher rights", false, ERROR_ACCESS_DENIED, true,
         Delivery::Refused},
        {"the time ran out", false, ERROR_TIMEOUT, true, Delivery::NotResponding},
        {"the system knows it hangs, no error told", false, ERROR_SUCCESS, true,
         Delivery::NotResponding},
        {"no such window", false, ERROR_INVALID_WINDOW_HANDLE, false, Delivery::NoWindow},
        {"the window closed during the wait", false, ERROR_TIMEOUT, false, Delivery::NoWindow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(DeliveryOfSend(row.handled, row.error, row.windowExists), row.expected);
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
