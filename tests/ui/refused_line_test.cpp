// The window in the test's own process, its chat client a window tree in memory:
// a line the system refuses stays in the text box, and the user is told.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <iterator>
#include <string>
#include <thread>

#include "chat/chat_bridge.h"
#include "form_in_process.h"
#include "tests/support/fake_window_tree.h"
#include "ui/form1.h"
#include "ui/form_layout.h"
#include "ui/window_routines.h"

namespace lumivane {
namespace {

// The one main window of this test program, made on first use.
HWND Form() {
    static HWND form = CreateForm1(GetModuleHandleW(nullptr));
    return form;
}

HWND Control(ControlId id) { return GetDlgItem(Form(), id); }

std::wstring TextOf(HWND control) {
    wchar_t text[1024] = {};
    GetWindowTextW(control, text, static_cast<int>(std::size(text)));
    return text;
}

// Types `text` into Text1 and presses Enter there; returns when the window has
// handled the keys, message boxes included.
void TypeLineAndEnter(const std::wstring& text) {
    SetWindowTextW(Control(kText1), text.c_str());
    PostMessageW(Control(kText1), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(Control(kText1), WM_KEYUP, VK_RETURN, 0xC01C0001);
    HandleWaitingEvents(Form());
}

enum class Client { None, Open, HigherRights, Hung, RefusingText };

struct SendRow {
    const char* what;
    Client client;
    std::wstring typed;
    int presses;
    bool textStays;
    int boxes;
};

const SendRow kSends[] = {
    {"a room takes the line", Client::Open, L"hello", 1, false, 0},
    {"no room open: the line goes nowhere, as ever", Client::None, L"hello", 1, false, 0},
    {"a client of higher rights", Client::HigherRights, L"hello", 1, true, 1},
    {"a client of higher rights, an empty line", Client::HigherRights, L"", 1, true, 1},
    {"a client of higher rights, Enter again", Client::HigherRights, L"hello again", 2, true, 2},
    {"a client that does not respond", Client::Hung, L"hello", 1, true, 1},
    {"a room whose text box does not take the line", Client::RefusingText, L"hello", 1, true, 1},
};

// What the user is told, by the client's fault.
const wchar_t* SaidFor(Client client) {
    switch (client) {
    case Client::Hung: return L"not responding";
    case Client::RefusingText: return L"did not take";
    default: return L"higher rights";
    }
}

TEST(RefusedLine, TypedLineStaysAndTheUserIsToldOncePerRefusedSend) {
    ASSERT_NE(Form(), nullptr);
    ShowWindow(Form(), SW_SHOWNORMAL);
    for (const SendRow& row : kSends) {
        SCOPED_TRACE(row.what);
        FakeWindowTree tree;
        WindowHandle input = 0;
        if (row.client != Client::None) input = AddClientWithRoom(tree);
        if (row.client == Client::HigherRights) tree.Shield(input);
        if (row.client == Client::Hung) tree.Hang(input);
        if (row.client == Client::RefusingText) tree.RefuseText(input);
        UsingTree using_(tree);
        MessageBoxAnswerer answerer;
        for (int press = 0; press < row.presses; ++press) {
            TypeLineAndEnter(row.typed);
            EXPECT_EQ(TextOf(Control(kText1)), row.textStays ? row.typed : L"");
        }
        EXPECT_EQ(answerer.Count(), row.boxes);
        if (row.boxes > 0) {
            EXPECT_NE(answerer.Text().find(SaidFor(row.client)), std::wstring::npos);
            EXPECT_NE(answerer.Text().find(L"still in the text box"), std::wstring::npos);
        }
        if (row.client == Client::HigherRights) {
            EXPECT_NE(answerer.Text().find(L"same rights"), std::wstring::npos);
        }
        const std::size_t tried = 2 * static_cast<std::size_t>(row.presses);
        EXPECT_EQ(tree.Refused().size(), row.client == Client::HigherRights ? tried : 0u);
        EXPECT_EQ(tree.Delivered().size(), row.client == Client::Open ? tried : 0u);
    }
}

// The start-up's announcements are sent without anyone typing: a refusal of
// them, a client that does not respond or a text box that does not take them
// loses nothing typed and shows no message box.
TEST(RefusedLine, RefusedAnnouncementsShowNoMessageBox) {
    ASSERT_NE(Form(), nullptr);
    struct Row {
        const char* what;
        void (*spoil)(FakeWindowTree&, WindowHandle input);
        std::size_t
            tried;  // messages: text and Enter refused; text alone otherwise, no Enter after it
    };
    const Row rows[] = {
        {"a client of higher rights",
         [](FakeWindowTree& t, WindowHandle input) { t.Shield(input); }, 4},
        {"a client that does not respond",
         [](FakeWindowTree& t, WindowHandle input) { t.Hang(input); }, 2},
        {"a text box that does not take them",
         [](FakeWindowTree& t, WindowHandle input) { t.RefuseText(input); }, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeWindowTree tree;
        row.spoil(tree, AddClientWithRoom(tree));
        UsingTree using_(tree);
        MessageBoxAnswerer answerer;
        Form_Load(Form());
        HandleWaitingEvents(Form());
        EXPECT_EQ(answerer.Count(), 0);
        const std::size_t tried =
            tree.Refused().size() + tree.Unanswered().size() + tree.NotTaken().size();
        EXPECT_EQ(tried, row.tried);
        EXPECT_TRUE(tree.Delivered().empty());
    }
}

}  // namespace
}  // namespace lumivane
