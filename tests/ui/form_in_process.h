// What the tests of the window in their own process share: the window's chat
// client a window tree in memory, and a user who answers every message box.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <utility>

#include "chat/chat_bridge.h"
#include "tests/support/fake_window_tree.h"

namespace lumivane {

// The window talks to `tree` for as long as this lives.
class UsingTree {
public:
    explicit UsingTree(FakeWindowTree& tree) { UseWindowSystem(&tree); }
    ~UsingTree() { UseWindowSystem(nullptr); }
    UsingTree(const UsingTree&) = delete;
    UsingTree& operator=(const UsingTree&) = delete;
};

// Answers every message box of the window's thread with OK, as a user would,
// and counts them; the window's thread stays inside its handler meanwhile.
// `seen`, if given, gets each box's text before the box is answered.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::function<void(const std::wstring&)> seen = nullptr)
        : thread_(GetCurrentThreadId()), seen_(std::move(seen)), watcher_([this] { Watch(); }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        watcher_.join();
    }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    int Count() const { return count_; }
    // The text of the last box; read once the handler has returned.
    const std::wstring& Text() const { return text_; }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, static_cast<int>(std::size(name)));
        if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static BOOL CALLBACK CollectText(HWND child, LPARAM text) {
        wchar_t part[1024] = {};
        GetWindowTextW(child, part, static_cast<int>(std::size(part)));
        *reinterpret_cast<std::wstring*>(text) += std::wstring(part) + L"\n";
        return TRUE;
    }

    void Watch() {
        while (!stop_) {
            HWND box = nullptr;
            EnumThreadWindows(thread_, FindBox, reinterpret_cast<LPARAM>(&box));
            if (box) {
                std::wstring text;
                EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
                text_ = text;
                ++count_;
                if (seen_) seen_(text);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
            }
            Sleep(10);
        }
    }

    DWORD thread_;
    std::function<void(const std::wstring&)> seen_;
    std::atomic<bool> stop_{false};
    std::atomic<int> count_{0};
    std::wstring text_;
    std::thread watcher_;
};

// A client whose open room's input control is returned.
inline WindowHandle AddClientWithRoom(FakeWindowTree& tree) {
    const WindowHandle frame = tree.Add(0, "AOL Frame25");
    const WindowHandle area = tree.Add(frame, "MDIClient");
    const WindowHandle room = tree.Add(area, "AOL Child");
    const WindowHandle input = tree.Add(room, "RICHCNTL");
    tree.Add(room, "_AOL_Listbox");
    tree.Add(room, "_AOL_Icon");
    tree.Add(room, "_AOL_Static");
    return input;
}

}  // namespace lumivane
