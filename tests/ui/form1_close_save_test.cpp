// The close label in the test's own process, its settings file one in memory:
// a save that the system refuses, or reports done while the file does not hold
// it, is told in exactly one message box, after the goodbye; a save that the
// file holds is told nothing. Each close ends its process, so each runs in a
// child, which records what it sent and what it was told in a file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <iterator>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "chat/chat_bridge.h"
#include "form_in_process.h"
#include "settings/settings_path.h"
#include "tests/support/fake_profile_file.h"
#include "tests/support/fake_window_tree.h"
#include "ui/form1.h"
#include "ui/form_layout.h"
#include "ui/settings_not_saved.h"

namespace lumivane {
namespace {

using Fate = FakeProfileFile::Fate;

// One record a line: "line <text>" for a chat line handed to the room, "box
// <text>" for a message box, its line breaks as '|'.
class Recorder {
public:
    explicit Recorder(std::wstring file) : file_(std::move(file)) {}

    void Add(const std::wstring& kind, std::wstring text) {
        for (wchar_t& c : text) {
            if (c == L'\n' || c == L'\r') c = L'|';
        }
        const std::wstring record = kind + L" " + text + L"\n";
        const std::lock_guard<std::mutex> hold(lock_);
        const HANDLE file =
            CreateFileW(file_.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)),
                  &written, nullptr);
        CloseHandle(file);
    }

private:
    std::wstring file_;
    std::mutex lock_;
};

// The chat room of the fake tree, recording the text of every line it gets.
class RecordingRoom final : public WindowSystem {
public:
    explicit RecordingRoom(Recorder& recorder) : recorder_(recorder) { AddClientWithRoom(tree_); }

    WindowHandle FindWindowA(const char* className) const override {
        return tree_.FindWindowA(className);
    }
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                               const char* className) const override {
        return tree_.FindWindowExA(parent, after, className);
    }
    // The line's text without its tags: the body.
    Delivery SetText(WindowHandle window, std::u16string_view text) override {
        std::wstring body;
        bool inTag = false;
        for (const char16_t c : text) {
            if (c == u'<' || c == u'>') inTag = c == u'<';
            else if (!inTag) body += static_cast<wchar_t>(c);
        }
        recorder_.Add(L"line", body);
        return tree_.SetText(window, text);
    }
    Delivery SendChar(WindowHandle window, unsigned code) override {
        return tree_.SendChar(window, code);
    }

private:
    Recorder& recorder_;
    FakeWindowTree tree_;
};

struct CloseRow {
    const char* what;
    std::vector<const wchar_t*> keys;  // the keys whose writes fare as below
    Fate fate;
    DWORD error;
    bool told;
};

const CloseRow kCloses[] = {
    {"every write stored", {}, Fate::Stored, 0, false},
    {"every write refused: access denied",
     {L"Colors1", L"Colors2", L"Colors3", L"Font Face"},
     Fate::Refused,
     ERROR_ACCESS_DENIED,
     true},
    {"the face refused: disk full", {L"Font Face"}, Fate::Refused, ERROR_DISK_FULL, true},
    {"every write reported done, nothing stored",
     {L"Colors1", L"Colors2", L"Colors3", L"Font Face"},
     Fate::Lost,
     0,
     true},
    {"a colour reported done, another value stored", {L"Colors2"}, Fate::Changed, 0, true},
};

// In the child: the window closed with its close label, the settings file the
// fake, the user answering every box. The close ends the process; returning from
// the close is a failure.
void CloseWith(const CloseRow& row, const std::wstring& recordFile) {
    static Recorder recorder(recordFile);
    static RecordingRoom room(recorder);
    static FakeProfileFile profile;
    for (const wchar_t* key : row.keys) profile.Make(key, row.fate, row.error);
    UseWindowSystem(&room);
    UseProfileFile(&profile);
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    if (!form) std::exit(2);
    ShowWindow(form, SW_SHOWNORMAL);
    static MessageBoxAnswerer answerer(
        [](const std::wstring& text) { recorder.Add(L"box", text); });
    HWND label2 = GetDlgItem(form, kLabel2);
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(kLabel2, STN_CLICKED),
                 reinterpret_cast<LPARAM>(label2));
    std::exit(3);
}

std::vector<std::wstring> Records(const std::wstring& file) {
    std::vector<std::wstring> records;
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return records;
    std::wstring text(static_cast<std::size_t>(GetFileSize(handle, nullptr)) / sizeof(wchar_t),
                      L'\0');
    DWORD read = 0;
    ReadFile(handle, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read,
             nullptr);
    CloseHandle(handle);
    for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != text.npos;
         start = end + 1) {
        records.push_back(text.substr(start, end - start));
    }
    return records;
}

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != text.npos;
}

// Every close runs first and the records are looked at after: a child runs the
// test from its start up to its own close, and must meet no check on its way.
TEST(Form1CloseSave, SaveThatFailsIsToldOnceAfterTheGoodbyeAndTheProgramEnds) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
    std::vector<std::vector<std::wstring>> recordsOf;
    for (const CloseRow& row : kCloses) {
        const std::wstring recordFile = std::wstring(temp) + L"lumivane-close-save-" +
                                        std::to_wstring(recordsOf.size()) + L".txt";
        DeleteFileW(recordFile.c_str());
        EXPECT_EXIT(CloseWith(row, recordFile), ::testing::ExitedWithCode(0), "") << row.what;
        recordsOf.push_back(Records(recordFile));
        DeleteFileW(recordFile.c_str());
    }

    const std::u16string settings = SettingsFilePath();
    const std::wstring settingsPath(settings.begin(), settings.end());
    for (std::size_t r = 0; r < std::size(kCloses); ++r) {
        const CloseRow& row = kCloses[r];
        const std::vector<std::wstring>& records = recordsOf[r];
        SCOPED_TRACE(row.what);
        std::vector<std::wstring> expected = {L"line Lumivane", L"line Closed..."};
        if (row.told) expected.push_back(L"box ");  // its text is looked at below
        ASSERT_EQ(records.size(), expected.size());
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(records[k].substr(0, expected[k].size()), expected[k]);
        }
        if (!row.told) continue;
        const std::wstring& box = records.back();
        EXPECT_TRUE(Contains(box, L"could not save your colours and font face")) << box;
        EXPECT_TRUE(Contains(box, settingsPath)) << box;
        EXPECT_TRUE(Contains(
            box, L"move lumivane.exe to a folder you can write to, such as one in Documents"))
            << box;
        if (row.fate == Fate::Refused) {
            ASSERT_FALSE(SystemReason(row.error).empty());
            EXPECT_TRUE(Contains(box, SystemReason(row.error))) << box;
        } else {
            EXPECT_TRUE(Contains(box, L"does not hold them")) << box;
        }
    }
}

}  // namespace
}  // namespace lumivane
