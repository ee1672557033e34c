#include "ui_driver.h"

#include <iterator>

#include "fade/chat_line.h"
#include "tests/support/remove_tree.h"
#include "ui/form_layout.h"

namespace lumivane::test {
namespace {

using Clock = std::chrono::steady_clock;

// A path of the build tree (Linux) as the programs under Wine see it.
std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c) path += (*c == '/') ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (owner == search->processId && lstrcmpiW(name, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND TopWindowOf(DWORD processId, const wchar_t* className) {
    WindowSearch search = {processId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Utf8(const std::u16string& text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr,
                                         0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

}  // namespace

RunFolder::RunFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(temp) + L"lumivane-ui-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
    root_ = path_;
}

RunFolder::RunFolder(const std::wstring& name) : RunFolder() {
    path_ = root_ + L"\\" + name;
    CreateDirectoryW(path_.c_str(), nullptr);
}

RunFolder::~RunFolder() { RemoveFolderTree(root_); }

Process::Process(const std::wstring& exe, const std::wstring& arguments,
                 const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_)) {
        info_ = {};
    }
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::WaitForEnd(Seconds limit) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count() * 1000)) ==
           WAIT_OBJECT_0;
}

ChatRoom::ChatRoom(const std::wstring& logFile, const std::wstring& options)
    : logFile_(logFile),
      process_(WinePath(LUMIVANE_CHATROOM_EXE),
               L"--log \"" + logFile + L"\"" + (options.empty() ? L"" : L" " + options), L"C:\\") {
    ready_ = process_.Started() &&
             WaitFor(
                 [] {
                     return FindWindowExA(FindWindowExA(FindWindowA("AOL Frame25", nullptr),
                                                        nullptr, "MDIClient", nullptr),
                                          nullptr, "AOL Child", nullptr) != nullptr;
                 },
                 Seconds(10));
}

std::vector<std::string> ChatRoom::Lines() const {
    std::vector<std::string> lines;
    const std::string bytes = ReadFileBytes(logFile_);
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ChatRoom::WaitForLines(size_t count, Seconds limit) const {
    std::vector<std::string> lines;
    WaitFor([&] { return (lines = Lines()).size() >= count; }, limit);
    return lines;
}

// Copies the program into the folder; its path there.
static std::wstring CopyProgramInto(const RunFolder& folder) {
    std::wstring exe = folder.File(L"lumivane.exe");
    CopyFileW(WinePath(LUMIVANE_EXE).c_str(), exe.c_str(), FALSE);
    return exe;
}

Lumivane::Lumivane(const RunFolder& folder)
    : exe_(CopyProgramInto(folder)), launched_(Clock::now()), process_(exe_, L"", folder.Path()) {
    if (!process_.Started()) return;
    WaitFor([&] { return (form_ = TopWindowOf(process_.Id(), L"LumivaneForm1")) != nullptr; },
            Seconds(10));
}

void Lumivane::TypeLineAndEnter(const std::wstring& text) const {
    HWND text1 = Control(kText1);
    SendMessageW(text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PostMessageW(text1, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(text1, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

void Lumivane::Click(int id) const {
    HWND control = Control(id);
    RECT client;
    GetClientRect(control, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

HWND Lumivane::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &info);
    return info.hwndFocus;
}

HWND Lumivane::WaitForDialog(Seconds limit) const {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = TopWindowOf(process_.Id(), L"#32770")) != nullptr; }, limit);
    return dialog;
}

void Lumivane::PressKey(WPARAM key) const {
    HWND focus = Focus();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC))
                        << 16;
    PostMessageW(focus, WM_KEYDOWN, key, scan | 1);
    PostMessageW(focus, WM_KEYUP, key, scan | 0xC0000001);
}

bool Lumivane::TabTo(int id) const {
    HWND target = Control(id);
    for (int k = 0; k < 8 && Focus() != target; ++k) {
        HWND before = Focus();
        PressKey(VK_TAB);
        WaitFor([&] { return Focus() != before; }, Seconds(2));
    }
    return Focus() == target;
}

std::wstring BuiltProgramPath() { return WinePath(LUMIVANE_EXE); }

std::wstring TextOf(HWND control) {
    wchar_t text[1024] = {};
    SendMessageW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

static BOOL CALLBACK CollectText(HWND child, LPARAM text) {
    *reinterpret_cast<std::wstring*>(text) += TextOf(child) + L"\n";
    return TRUE;
}

std::wstring DialogText(HWND dialog) {
    std::wstring text;
    EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ExpectedLine(ColorValue first, ColorValue second, ColorValue third,
                         const std::u16string& face, const std::u16string& body) {
    return Utf8(ComposeChatLine(first, second, third, face, body));
}

void AnswerColorDialog(HWND dialog, int red, int green, int blue, bool confirm) {
    const int edits[3] = {706, 707, 708};
    const int values[3] = {red, green, blue};
    for (int k = 0; k < 3; ++k) {
        const std::wstring value = std::to_wstring(values[k]);
        SendMessageW(GetDlgItem(dialog, edits[k]), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(value.c_str()));
    }
    SendMessageW(GetDlgItem(dialog, confirm ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
}

}  // namespace lumivane::test
