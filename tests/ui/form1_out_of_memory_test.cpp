// The window in the test's own process when memory runs out in a handler (a huge
// paste makes a chat line some twenty times longer): no exception leaves a window
// procedure, a typed line stays in its box, and a close still saves and ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>

#include "chat/chat_bridge.h"
#include "form_in_process.h"
#include "settings/color_setting.h"
#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "settings/settings_path.h"
#include "tests/support/fake_window_tree.h"
#include "ui/form1.h"
#include "ui/form_layout.h"
#include "ui/swatch.h"
#include "ui/window_routines.h"

namespace {

// While not 0, every allocation of at least this many bytes fails, as it would
// with the memory used up.
std::atomic<std::size_t> g_failFrom{0};

}  // namespace

void* operator new(std::size_t size) {
    const std::size_t limit = g_failFrom.load();
    if (limit != 0 && size >= limit) throw std::bad_alloc();
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace lumivane {
namespace {

constexpr std::size_t kMemoryLimit = 4u << 20;  // bytes

class MemoryLimit {
public:
    MemoryLimit() { g_failFrom = kMemoryLimit; }
    ~MemoryLimit() { g_failFrom = 0; }
    MemoryLimit(const MemoryLimit&) = delete;
    MemoryLimit& operator=(const MemoryLimit&) = delete;
};

std::wstring WindowText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct SendRow {
    const char* what;
    std::wstring typed;
    std::wstring face;
    bool sent;  // the line reaches the room and the box is emptied
};

// 300 000 characters make a line of some 6 000 000, far above the limit; a face
// of 3 000 000 characters is above it already as it is read from its box.
const SendRow kSends[] = {
    {"an ordinary line under the same memory limit", L"hello", L"Arial", true},
    {"a huge paste into the text box", std::wstring(300000, L'x'), L"Arial", false},
    {"a huge face pasted into the font box", L"hello", std::wstring(3000000, L'f'), false},
};

TEST(Form1OutOfMemory, ATypedLineThatCannotBeMadeStaysInItsBox) {
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    ASSERT_NE(form, nullptr);
    ShowWindow(form, SW_SHOWNORMAL);
    HWND text1 = GetDlgItem(form, kText1);
    for (const SendRow& row : kSends) {
        SCOPED_TRACE(row.what);
        SetWindowTextW(text1, row.typed.c_str());
        SetWindowTextW(GetDlgItem(form, kCombo1), row.face.c_str());
        FakeWindowTree tree;
        AddClientWithRoom(tree);
        UsingTree using_(tree);
        MessageBoxAnswerer boxes;
        {
            MemoryLimit limit;
            // Enter in the text box, as the user presses it.
            PostMessageW(text1, WM_KEYDOWN, VK_RETURN, 0x001C0001);
            PostMessageW(text1, WM_KEYUP, VK_RETURN, 0xC01C0001);
            EXPECT_NO_THROW(HandleWaitingEvents(form));
        }
        EXPECT_EQ(WindowText(text1), row.sent ? L"" : row.typed);
        EXPECT_EQ(tree.Delivered().size(), row.sent ? 2u : 0u);  // text and Enter
        EXPECT_EQ(boxes.Count(), row.sent ? 0 : 1);
    }
}

const ColorValue kChosen[3] = {RGB(1, 2, 3), RGB(40, 50, 60), RGB(200, 100, 0)};

// In a child process: the window closed with a face too long to make its lines,
// the colours chosen. The close ends the process; returning is a failure.
void CloseWithHugeFace() {
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    if (!form) std::exit(2);
    const ControlId swatches[3] = {kColor1, kColor2, kColor3};
    for (int k = 0; k < 3; ++k) SetSwatchColor(GetDlgItem(form, swatches[k]), kChosen[k]);
    SetWindowTextW(GetDlgItem(form, kCombo1), std::wstring(3000000, L'f').c_str());
    static FakeWindowTree tree;
    AddClientWithRoom(tree);
    UseWindowSystem(&tree);
    g_failFrom = kMemoryLimit;
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(kLabel2, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(form, kLabel2)));
    std::exit(3);
}

// A close whose lines cannot be made (the face is too long) still saves the
// colours and ends the program normally.
TEST(Form1OutOfMemory, CloseThatCannotMakeItsLinesStillSavesAndEnds) {
    const std::u16string settings = SettingsFilePath();
    const auto* settingsPath = reinterpret_cast<const wchar_t*>(settings.c_str());
    DeleteFileW(settingsPath);
    EXPECT_EXIT(CloseWithHugeFace(), ::testing::ExitedWithCode(0), "");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[k], settings),
                  ColorToSetting(kChosen[k]))
            << k;
    }
    DeleteFileW(settingsPath);
}

}  // namespace
}  // namespace lumivane
