// Drives the real lumivane.exe from a test: a folder of its own for each run, the
// stand-in chat room with its log, and the main window found and pressed from
// outside, as a user would.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "color/color_value.h"
#include "tests/support/colors.h"

namespace lumivane::test {

using Seconds = std::chrono::duration<double>;

// A fresh folder under the temporary folder, removed with its content at the end;
// given a name, a folder of that name inside a fresh one.
class RunFolder {
public:
    RunFolder();
    explicit RunFolder(const std::wstring& name);
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring root_;
    std::wstring path_;
};

// A started program; ended at destruction unless it has ended on its own.
class Process {
public:
    Process() = default;
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    HANDLE MainThread() const { return info_.hThread; }
    // Whether the program ends within `limit`.
    bool WaitForEnd(Seconds limit) const;

private:
    PROCESS_INFORMATION info_ = {};
};

// The stand-in chat room, logging every line it receives into `logFile`, started
// with the further `options` of its command line.
class ChatRoom {
public:
    explicit ChatRoom(const std::wstring& logFile, const std::wstring& options = L"");
    bool Ready() const { return ready_; }
    // The lines received so far (UTF-8 as logged).
    std::vector<std::string> Lines() const;
    // Waits until at least `count` lines have arrived; the lines then.
    std::vector<std::string> WaitForLines(size_t count, Seconds limit) const;

private:
    std::wstring logFile_;
    Process process_;
    bool ready_ = false;
};

// lumivane.exe copied into `folder` (its settings file lies beside it) and run.
class Lumivane {
public:
    explicit Lumivane(const RunFolder& folder);
    Lumivane(const Lumivane&) = delete;
    Lumivane& operator=(const Lumivane&) = delete;

    HWND Form() const { return form_; }
    HWND Control(int id) const { return GetDlgItem(form_, id); }
    const Process& Program() const { return process_; }
    std::chrono::steady_clock::time_point LaunchTime() const { return launched_; }

    // Types `text` into Text1 and presses Enter there.
    void TypeLineAndEnter(const std::wstring& text) const;
    // A left click on control `id` (press and release at its centre).
    void Click(int id) const;
    // The window's focus, as its thread has it.
    HWND Focus() const;
    // The colour dialog the window has open, or null after `limit`.
    HWND WaitForColorDialog(Seconds limit) const { return WaitForDialog(limit); }
    // The dialog or message box the window has open, or null after `limit`.
    HWND WaitForDialog(Seconds limit) const;
    // The message box the program shows, or null after `limit`.
    HWND WaitForMessageBox(Seconds limit) const { return WaitForDialog(limit); }
    // Presses and releases the key `key` in the control that has the focus.
    void PressKey(WPARAM key) const;
    // Presses Tab until control `id` has the focus; whether it got there.
    bool TabTo(int id) const;

private:
    std::wstring exe_;
    std::chrono::steady_clock::time_point launched_;
    Process process_;
    HWND form_ = nullptr;
};

// A program started in a folder of its own, beside a stand-in chat room that logs
// what it receives to room.log in that folder.
struct Started {
    RunFolder folder;
    ChatRoom room{folder.File(L"room.log")};
    Lumivane program{folder};
};

// lumivane.exe as built, as the programs under Wine see its path.
std::wstring BuiltProgramPath();

// The window text of a control of another process.
std::wstring TextOf(HWND control);

// The texts of a dialog's controls (a message box's text among them), one a line.
std::wstring DialogText(HWND dialog);

// The whole content of a file as bytes; empty if it does not exist.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

// The line the window should send, as the chat room logs it (UTF-8).
std::string ExpectedLine(ColorValue first, ColorValue second, ColorValue third,
                         const std::u16string& face, const std::u16string& body);

// Waits until `condition` holds or `limit` has passed, looking every 10 ms;
// whether it held.
template <typename Condition>
bool WaitFor(Condition condition, Seconds limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(limit);
    for (;;) {
        if (condition()) return true;
        if (Clock::now() >= end) return false;
        Sleep(10);
    }
}

// Picks `red`, `green`, `blue` in an open colour dialog and confirms or cancels.
void AnswerColorDialog(HWND dialog, int red, int green, int blue, bool confirm);

}  // namespace lumivane::test
